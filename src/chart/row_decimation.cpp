#include "chart/row_decimation.h"

#include <algorithm>

namespace kalvero {

namespace {

void AddUnlessBeside(std::vector<QLine>& lines, const QLine& line, const QRect& visible) {
    const bool beside = std::max(line.x1(), line.x2()) < visible.left() ||
                        std::min(line.x1(), line.x2()) > visible.right() ||
                        std::max(line.y1(), line.y2()) < visible.top() ||
                        std::min(line.y1(), line.y2()) > visible.bottom();
    if (!beside) {
        lines.push_back(line);
    }
}

} // namespace

void DecimateRows(std::span<const QPoint> points, const QRect& visible, std::vector<QLine>& lines) {
    lines.clear();
    const size_t count = points.size();
    size_t first = 0;
    while (first < count) {
        const int row = points[first].y();
        int leftmost = points[first].x();
        int rightmost = leftmost;
        size_t end = first + 1;
        for (; end < count && points[end].y() == row; ++end) {
            leftmost = std::min(leftmost, points[end].x());
            rightmost = std::max(rightmost, points[end].x());
        }
        if (first > 0) {
            AddUnlessBeside(lines, QLine(points[first - 1], points[first]), visible);
        }
        if (end - first > 1) {
            AddUnlessBeside(lines, QLine(leftmost, row, rightmost, row), visible);
        }
        first = end;
    }
}

} // namespace kalvero
