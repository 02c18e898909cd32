#include "chart/painting.h"

#include <QPaintDevice>
#include <QPainter>

namespace kalvero {

QRect VisibleArea(const QPainter& p) {
    if (p.hasClipping()) {
        return p.clipBoundingRect().toAlignedRect();
    }
    const QPaintDevice* device = p.device();
    const QRectF deviceRect(0, 0, device->width(), device->height());
    return p.deviceTransform().inverted().mapRect(deviceRect).toAlignedRect();
}

QPen LinePen(const QColor& color) {
    QPen pen(color, 1);
    pen.setCosmetic(true);
    return pen;
}

} // namespace kalvero
