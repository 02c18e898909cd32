#include "ui/color_button.h"

#include <QPainter>
#include <QPixmap>

namespace kalvero {

ColorButton::ColorButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    SetColor(Qt::white);
}

void ColorButton::SetColor(const QColor& color) {
    color_ = color;
    const QSize size = iconSize().isValid() ? iconSize() : QSize(22, 22);
    QPixmap swatch(size);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    // A dark outline keeps a white swatch visible on a light toolbar.
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(color_);
    painter.drawRect(QRect(QPoint(2, 2), size - QSize(5, 5)));
    painter.end();
    setIcon(QIcon(swatch));
}

} // namespace kalvero
