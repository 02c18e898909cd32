#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>
#include <span>
#include <vector>

namespace kalvero {

// Replaces lines by separate lines that cover the same pixels as the segments between
// consecutive points, each drawn on its own with a 1-pixel aliased pen, but whose number follows
// the pixel rows rather than the points. For each run of consecutive points on one pixel row:
// the segment entering the run from the point before it, unchanged, and one horizontal line from
// the run's leftmost to its rightmost point, which covers exactly what the segments inside the
// run cover. Separate lines rather than a polyline, because an aliased polyline adds a pixel
// where it turns back on itself, so its pixels would depend on the order inside a run. Lines
// wholly beside the visible rectangle are left out: zoomed in, most of a curve is.
void DecimateRows(std::span<const QPoint> points, const QRect& visible, std::vector<QLine>& lines);

} // namespace kalvero
