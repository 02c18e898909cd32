#pragma once

#include "model/section.h"

#include <optional>

namespace kalvero {

// The section's extents: horizontal positions and depths over every entry and the section
// picture. The smallest values start high and the largest low, so an empty depth range stays
// inverted (the axis swaps it).
struct SectionExtents {
    double MinX = MissingValue, MaxX = -MissingValue;
    double MinDepth = MissingValue, MaxDepth = -MissingValue;
};

// Two corner points of the section picture, in ascending order of X.
struct PictureCorners {
    double X1, Y1, X2, Y2;
};

SectionExtents ComputeExtents(const Section& section, const std::optional<PictureCorners>& picture);

// The vertical range handed to the renderer: the axis range itself, or widened by 1 on each side
// when it is narrower than 1e-7.
struct DrawRange {
    double Top, Bottom;
};
DrawRange RangeForDrawing(double axisMinimum, double axisMaximum);

// Half-width of an entry's strip: the depth range drawn times Percent / 100.
inline double StripHalfWidth(double viewTop, double viewBottom, double percent) {
    const double span = viewBottom > viewTop ? viewBottom - viewTop : viewTop - viewBottom;
    return span * percent / 100.0;
}

// X of a prepared curve value in the band [columnLeft - w/2, columnLeft + w/2] for the range
// (lo, hi). A range without width puts every value in the middle of the band.
inline double CurveX(double columnLeft, double width, double value, double lo, double hi) {
    const double range = hi - lo;
    if (!(range != 0) || !(range - range == 0)) // no width, or not finite
        return columnLeft;                      // the middle of the band
    return columnLeft + width * (value - lo) / range - width / 2;
}

} // namespace kalvero
