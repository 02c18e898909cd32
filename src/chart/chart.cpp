#include "chart/chart.h"

#include "chart/painting.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace kalvero {

namespace {

constexpr int TickLength = 4;
// Between a tick and its label.
constexpr int LabelGap = 2;

template <typename T> void Erase(std::vector<T*>& list, T* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// Gives the axis the part of the pixels first to last that its start and end positions name.
void PlaceAxis(TChartAxis& axis, int first, int last) {
    const int span = std::max(0, last - first);
    axis.SetPixelRange(first + int(std::lround(span * axis.StartPosition / 100)),
                       first + int(std::lround(span * axis.EndPosition / 100)));
}

void ShiftAxis(TChartAxis& axis, int pixels) {
    if (pixels == 0) {
        return;
    }
    const double delta =
        axis.CalcPosPoint(axis.IStartPos() + pixels) - axis.CalcPosPoint(axis.IStartPos());
    axis.SetMinMax(axis.Minimum() - delta, axis.Maximum() - delta);
}

} // namespace

TChart::TChart() {
    BottomAxis.StartPosition = 5;
    BottomAxis.EndPosition = 95;
    LeftAxis.Inverted = true;
}

TChart::~TChart() {
    for (TChartSeries* series : series_) {
        series->chart_ = nullptr;
    }
    for (TChartImageTool* tool : tools_) {
        tool->chart_ = nullptr;
    }
}

void TChart::AddSeries(TChartSeries* series) {
    series_.push_back(series);
}

void TChart::RemoveSeries(TChartSeries* series) {
    Erase(series_, series);
    for (TChartImageTool* tool : tools_) {
        if (tool->Series == series) {
            tool->Series = nullptr;
        }
    }
}

void TChart::AddTool(TChartImageTool* tool) {
    tools_.push_back(tool);
}

void TChart::RemoveTool(TChartImageTool* tool) {
    Erase(tools_, tool);
}

QColor TChart::NextAutomaticColor() {
    // Dark enough to show on the default white background.
    static const std::array<QColor, 8> colors{
        QColor(255, 0, 0),   QColor(0, 128, 0),   QColor(0, 0, 255), QColor(255, 0, 255),
        QColor(0, 128, 128), QColor(128, 128, 0), QColor(0, 0, 128), QColor(128, 128, 128)};
    return colors[automaticColors_++ % colors.size()];
}

void TChart::UpdateLayout() {
    const QFontMetrics metrics(Font);
    const QRect inner = QRect(QPoint(0, 0), size_).marginsRemoved(Margins);
    // Half a text height above the plot lets the topmost left label be centred on its tick.
    const int top = inner.top() + metrics.height() / 2;
    const int bottom = inner.bottom() - TickLength - LabelGap - metrics.height();
    PlaceAxis(LeftAxis, top, bottom);
    int labelWidth = 0;
    for (const TChartAxis::TLabel& label : LeftAxis.Labels()) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label.Text));
    }
    const int left = inner.left() + labelWidth + LabelGap + TickLength;
    const int right = inner.right();
    PlaceAxis(BottomAxis, left, right);
    plotRect_ = QRect(QPoint(left, top), QPoint(right, bottom));
}

void TChart::PaintAxes(QPainter& p) const {
    const QRect& plot = plotRect_;
    const int textHeight = QFontMetrics(Font).height();
    p.setPen(LinePen(Qt::black));
    p.setFont(Font);
    // An aliased outline of a QRect reaches one pixel beyond its right and bottom edges.
    p.drawRect(plot.adjusted(0, 0, -1, -1));
    for (const TChartAxis::TLabel& label : LeftAxis.Labels()) {
        const int y = LeftAxis.CalcPosValue(label.Value);
        p.drawLine(plot.left() - TickLength, y, plot.left() - 1, y);
        const QRect text(0, y - textHeight / 2, plot.left() - TickLength - LabelGap, textHeight);
        p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, label.Text);
    }
    for (const TChartAxis::TLabel& label : BottomAxis.Labels()) {
        const int x = BottomAxis.CalcPosValue(label.Value);
        p.drawLine(x, plot.bottom() + 1, x, plot.bottom() + TickLength);
        const int textTop = plot.bottom() + TickLength + LabelGap;
        const int halfWidth = size_.width();
        p.drawText(QRect(x - halfWidth, textTop, 2 * halfWidth + 1, textHeight),
                   Qt::AlignHCenter | Qt::AlignTop, label.Text);
    }
}

void TChart::Paint(QPainter& p) {
    UpdateLayout();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect whole(QPoint(0, 0), size_);
    p.setClipRect(whole, Qt::IntersectClip);
    if (Color.isValid()) {
        p.fillRect(whole, Color);
    }
    if (!plotRect_.isEmpty()) {
        PaintAxes(p);
        p.setClipRect(plotRect_, Qt::IntersectClip);
        for (const TChartImageTool* tool : tools_) {
            if (tool->Active) {
                tool->Paint(p);
            }
        }
        for (const TChartSeries* series : series_) {
            if (series->Active) {
                series->Paint(p);
            }
        }
    }
    p.restore();
}

void TChart::ZoomToPixelRect(QRect r) {
    // SetMinMax orders each pair, so the box may have been dragged in any direction.
    BottomAxis.SetMinMax(BottomAxis.CalcPosPoint(r.left()), BottomAxis.CalcPosPoint(r.right()));
    LeftAxis.SetMinMax(LeftAxis.CalcPosPoint(r.top()), LeftAxis.CalcPosPoint(r.bottom()));
}

void TChart::PanByPixels(int dx, int dy) {
    ShiftAxis(BottomAxis, dx);
    ShiftAxis(LeftAxis, dy);
}

} // namespace kalvero
