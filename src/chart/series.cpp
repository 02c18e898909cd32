#include "chart/series.h"

#include "chart/chart.h"

#include <algorithm>
#include <functional>

namespace kalvero {

TChartSeries::~TChartSeries() {
    SetParentChart(nullptr);
}

void TChartSeries::SetParentChart(TChart* chart) {
    if (chart == chart_) {
        return;
    }
    if (chart_) {
        chart_->RemoveSeries(this);
    }
    chart_ = chart;
    if (chart_) {
        chart_->AddSeries(this);
        if (!SeriesColor.isValid()) {
            SeriesColor = chart_->NextAutomaticColor();
        }
    }
}

int TChartSeries::InsertionIndex(double x) const {
    // After the points with an equal X, so that points of one X keep the order they came in.
    switch (XValuesOrder) {
    case loAscending:
        return int(std::upper_bound(xValues_.begin(), xValues_.end(), x) - xValues_.begin());
    case loDescending:
        return int(std::upper_bound(xValues_.begin(), xValues_.end(), x, std::greater<>()) -
                   xValues_.begin());
    case loNone:
        break;
    }
    return Count();
}

int TChartSeries::AddXY(double x, double y, const QString& label, const QColor& color) {
    const int index = InsertionIndex(x);
    TPointColor pointColor;
    if (!color.isValid()) {
        pointColor.Kind = TColorKind::None;
    } else if (color != clSeriesColor) {
        pointColor = {TColorKind::Own, color.rgba()};
    }
    if (pointColor.Kind != TColorKind::Series || !colors_.empty()) {
        colors_.resize(xValues_.size());
        colors_.insert(colors_.begin() + index, pointColor);
    }
    if (!label.isEmpty() || !labels_.empty()) {
        labels_.resize(xValues_.size());
        labels_.insert(labels_.begin() + index, label);
    }
    xValues_.insert(xValues_.begin() + index, x);
    yValues_.insert(yValues_.begin() + index, y);
    return index;
}

void TChartSeries::Clear() {
    xValues_.clear();
    yValues_.clear();
    labels_.clear();
    colors_.clear();
}

QString TChartSeries::Label(int i) const {
    return labels_.empty() ? QString() : labels_[i];
}

bool TChartSeries::IsNone(int i) const {
    return !Drawable(i);
}

QColor TChartSeries::PointColor(int i) const {
    const TPointColor color = colors_.empty() ? TPointColor() : colors_[i];
    switch (color.Kind) {
    case TColorKind::None:
        return {};
    case TColorKind::Own:
        return QColor::fromRgba(color.Rgb);
    case TColorKind::Series:
        break;
    }
    return SeriesColor.isValid() ? SeriesColor : QColor(Qt::black);
}

namespace {

double Smallest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

double Largest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

} // namespace

double TChartSeries::MinXValue() const {
    return Smallest(xValues_);
}
double TChartSeries::MaxXValue() const {
    return Largest(xValues_);
}
double TChartSeries::MinYValue() const {
    return Smallest(yValues_);
}
double TChartSeries::MaxYValue() const {
    return Largest(yValues_);
}

int TChartSeries::CalcXPos(int i) const {
    return chart_ ? chart_->BottomAxis.CalcPosValue(xValues_[i]) : 0;
}

int TChartSeries::CalcYPos(int i) const {
    return chart_ ? chart_->LeftAxis.CalcPosValue(yValues_[i]) : 0;
}

double TChartSeries::XScreenToValue(int px) const {
    return chart_ ? chart_->BottomAxis.CalcPosPoint(px) : 0;
}

double TChartSeries::YScreenToValue(int py) const {
    return chart_ ? chart_->LeftAxis.CalcPosPoint(py) : 0;
}

std::vector<QPoint> TChartSeries::PixelPoints() const {
    std::vector<QPoint> pixels;
    if (!chart_) {
        return pixels;
    }
    const TChartAxis::TMapping x = chart_->BottomAxis.Mapping();
    const TChartAxis::TMapping y = chart_->LeftAxis.Mapping();
    pixels.resize(xValues_.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = QPoint(x.Pixel(xValues_[i]), y.Pixel(yValues_[i]));
    }
    return pixels;
}

std::vector<TChartSeries::TLineRun> TChartSeries::LineRuns() const {
    std::vector<TLineRun> runs;
    const int count = Count();
    if (colors_.empty()) {
        if (count >= 2) {
            runs.push_back({0, count - 1, PointColor(0)});
        }
        return runs;
    }
    for (int i = 1; i < count; ++i) {
        if (!Drawable(i - 1) || !Drawable(i)) {
            continue;
        }
        const QColor color = PointColor(i);
        if (!runs.empty() && runs.back().Last == i - 1 && runs.back().Color == color) {
            runs.back().Last = i;
        } else {
            runs.push_back({i - 1, i, color});
        }
    }
    return runs;
}

TPointSeries::TPointSeries() {
    PointerVisible = true;
}

} // namespace kalvero
