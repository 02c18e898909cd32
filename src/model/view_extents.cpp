#include "model/view_extents.h"

#include <algorithm>
#include <cmath>

namespace kalvero {

SectionExtents ComputeExtents(const Section& section,
                              const std::optional<PictureCorners>& picture) {
    SectionExtents e;
    if (picture) {
        e.MinX = std::min(e.MinX, picture->X1);
        e.MinDepth = std::min(e.MinDepth, picture->Y1);
        e.MaxX = std::max(e.MaxX, picture->X2);
        e.MaxDepth = std::max(e.MaxDepth, picture->Y2);
    }
    for (const carotagedata& entry : section.Boreholes) {
        e.MinX = std::min(e.MinX, entry.HorizontalPosition);
        e.MaxX = std::max(e.MaxX, entry.HorizontalPosition);
        e.MinDepth = std::min(e.MinDepth, entry.PositionFromSurface);
        if (!entry.Z.empty())
            e.MaxDepth = std::max(e.MaxDepth, entry.Z.back() + entry.PositionFromSurface);
        if (!entry.Points.empty())
            e.MaxDepth =
                std::max(e.MaxDepth, entry.Points.back().first + entry.PositionFromSurface);
    }
    if (e.MaxX == e.MinX) {
        e.MaxX += 1.0;
        e.MinX -= 1.0;
    }
    return e;
}

DrawRange RangeForDrawing(double axisMinimum, double axisMaximum) {
    if (std::fabs(axisMaximum - axisMinimum) >= 1e-7)
        return {axisMinimum, axisMaximum};
    return {axisMinimum - 1.0, axisMaximum + 1.0};
}

} // namespace kalvero
