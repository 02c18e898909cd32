#include "ui/color_button.h"

#include <QPainter>
#include <QPixmap>

namespace kalvero {

ColorButton::ColorButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setIconSize(QSize(22, 22));
    SetColor(Qt::white);
}

void ColorButton::SetColor(const QColor& color) {
    color_ = color;
    const QSize size = iconSize();
    QPixmap swatch(size);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    // A small chart on the colour: the button sets the chart's background, and a plain white
    // square alone would read as a check box.
    const QRect frame(QPoint(1, 2), size - QSize(3, 5));
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(color_);
    painter.drawRect(frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color_.lightness() < 96 ? Qt::white : QColor(40, 40, 40), 1.5));
    const int left = frame.left() + 3, right = frame.right() - 3;
    const int top = frame.top() + 4, bottom = frame.bottom() - 3;
    const QPointF curve[] = {{qreal(left), qreal(bottom)},
                             {left + (right - left) * 0.35, qreal(top + 3)},
                             {left + (right - left) * 0.65, bottom - 4.0},
                             {qreal(right), qreal(top)}};
    painter.drawPolyline(curve, 4);
    painter.end();
    setIcon(QIcon(swatch));
}

} // namespace kalvero
