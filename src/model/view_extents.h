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

// X of prepared curve values in the band [columnLeft - w/2, columnLeft + w/2] for the range
// (lo, hi): columnLeft + w * (v - lo) / (hi - lo) - w / 2, worked out once per curve. A range
// without width puts every value in the middle of the band.
class CurveMapping {
public:
    CurveMapping(double columnLeft, double width, double lo, double hi)
        : Middle(columnLeft), Lo(lo) {
        const double range = hi - lo;
        Flat = !(range != 0) || !(range - range == 0); // no width, or not finite
        Left = columnLeft - width / 2;
        Scale = Flat ? 0 : width / range;
    }
    double X(double value) const { return Flat ? Middle : Left + (value - Lo) * Scale; }

private:
    double Middle, Lo, Left = 0, Scale = 0;
    bool Flat = false;
};

} // namespace kalvero
