#include "chart/chart.h"
#include "chart/painting.h"
#include "chart/row_decimation.h"
#include "chart/series.h"

#include <QFontMetrics>
#include <QPainter>
#include <span>

namespace kalvero {

namespace {

// Half the side of a rectangular pointer: pointers are 7 by 7 pixels.
constexpr int PointerHalfSize = 3;
// Distance of a mark's box from its point, and the padding around the mark's text.
constexpr int MarkOffset = 4;
constexpr int MarkPadding = 2;
const QColor MarkFill(255, 255, 225);

} // namespace

void TChartSeries::PaintPointers(QPainter& p, const std::vector<QPoint>& pixels) const {
    if (!PointerVisible || PointerStyle == psNothing) {
        return;
    }
    p.setPen(LinePen(Qt::black));
    for (int i = 0; i < int(pixels.size()); ++i) {
        if (!Drawable(i)) {
            continue;
        }
        const QRect box(pixels[i] - QPoint(PointerHalfSize, PointerHalfSize),
                        QSize(2 * PointerHalfSize + 1, 2 * PointerHalfSize + 1));
        p.fillRect(box, PointColor(i));
        // An aliased outline of a QRect reaches one pixel beyond its right and bottom edges.
        p.drawRect(box.adjusted(0, 0, -1, -1));
    }
}

void TChartSeries::PaintMarks(QPainter& p, const std::vector<QPoint>& pixels) const {
    if (!MarksVisible || labels_.empty() || !chart_) {
        return;
    }
    const QFontMetrics metrics(chart_->Font);
    p.setFont(chart_->Font);
    p.setPen(LinePen(Qt::black));
    for (int i = 0; i < int(pixels.size()); ++i) {
        if (labels_[i].isEmpty() || !Drawable(i)) {
            continue;
        }
        const QSize text(metrics.horizontalAdvance(labels_[i]), metrics.height());
        const QSize boxSize = text + QSize(2 * MarkPadding, 2 * MarkPadding);
        // Above and to the right of the point, or turned below and to the left where the plot
        // ends, so that a mark on a curve's first point at the top of the view stays visible.
        const QRect plot = chart_->PlotRect();
        const bool below = pixels[i].y() - MarkOffset - boxSize.height() + 1 < plot.top();
        const bool left = pixels[i].x() + MarkOffset + boxSize.width() - 1 > plot.right();
        const QPoint corner =
            pixels[i] + QPoint(left ? -MarkOffset : MarkOffset, below ? MarkOffset : -MarkOffset);
        const QRect box(QPoint(left ? corner.x() - boxSize.width() + 1 : corner.x(),
                               below ? corner.y() : corner.y() - boxSize.height() + 1),
                        boxSize);
        p.drawLine(pixels[i], corner);
        p.fillRect(box, MarkFill);
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.drawText(box, Qt::AlignCenter, labels_[i]);
    }
}

void TLineSeries::Paint(QPainter& p) const {
    if (!ParentChart()) {
        return;
    }
    const std::vector<QPoint> pixels = PixelPoints();
    const QRect visible = VisibleArea(p);
    std::vector<QLine> lines;
    for (const TLineRun& run : LineRuns()) {
        DecimateRows(std::span(pixels).subspan(run.First, run.Last - run.First + 1), visible,
                     lines);
        p.setPen(LinePen(run.Color));
        p.drawLines(lines.data(), int(lines.size()));
    }
    PaintPointers(p, pixels);
    PaintMarks(p, pixels);
}

void TPointSeries::Paint(QPainter& p) const {
    const std::vector<QPoint> pixels = PixelPoints();
    PaintPointers(p, pixels);
    PaintMarks(p, pixels);
}

} // namespace kalvero
