#pragma once

#include <QColor>
#include <QPen>
#include <QRect>

class QPainter;

namespace kalvero {

// The part of the painter's logical coordinates where anything can show: its clip, or else its
// device.
QRect VisibleArea(const QPainter& p);

// The aliased 1-pixel pen of every line of the chart.
QPen LinePen(const QColor& color);

} // namespace kalvero
