// The section renderer: strips, curves and column pictures rebuilt from the model at every call.
#include "view/renderer.h"

#include "chart/image_tool.h"
#include "chart/series.h"
#include "model/view_extents.h"
#include "view/fills.h"
#include "view/section_document.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <map>

namespace kalvero {

namespace {

constexpr double NoMin = 1e19, NoMax = -1e19;
constexpr int PictureCap = 10000;
constexpr int32_t CurrentOutline = 255, OtherOutline = 0;
// Marks a value left out of a logarithmic curve (0 or below): a gap in the line.
constexpr double LeftOut = std::numeric_limits<double>::quiet_NaN();

double Mean(MeanCache* cache, const carotagedata& e, const arofdoubleM& values) {
    return cache ? cache->Mean(e.Series.get(), values) : RobustMean(values);
}

// Pass 1 for one carotage entry: prepared values, CurveMean, CurveMin, CurveMax.
arofdoubleM PrepareValues(carotagedata& e, int& leftOut, MeanCache* cache) {
    arofdoubleM values(e.Points.size());
    int skipped = 0;
    for (size_t k = 0; k < values.size(); ++k) {
        const double v = e.Points[k].second;
        if (!e.Logarithmic) {
            values[k] = v;
        } else if (v > 0) {
            values[k] = std::log(v);
        } else {
            values[k] = LeftOut;
            ++skipped;
        }
    }
    leftOut += skipped;
    if (e.NormType == 0 || skipped == static_cast<int>(values.size())) {
        e.CurveMean = 0;
    } else if (skipped == 0) {
        e.CurveMean = Mean(cache, e, values);
    } else {
        arofdoubleM counted;
        std::copy_if(values.begin(), values.end(), std::back_inserter(counted),
                     [](double v) { return !std::isnan(v); });
        e.CurveMean = Mean(cache, e, counted);
    }
    double lo = NoMin, hi = NoMax;
    for (double& v : values) {
        if (std::isnan(v))
            continue;
        v -= e.CurveMean;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    e.CurveMin = lo;
    e.CurveMax = hi;
    return values;
}

struct GroupRange {
    double Lo = NoMin, Hi = NoMax;
};

// A member joins its group's range when its strip overlaps the visible horizontal range.
std::map<int32_t, GroupRange> GroupRanges(const Section& section, const TChart& chart) {
    const double left = std::min(chart.BottomAxis.Minimum(), chart.BottomAxis.Maximum());
    const double right = std::max(chart.BottomAxis.Minimum(), chart.BottomAxis.Maximum());
    std::map<int32_t, GroupRange> groups;
    for (const carotagedata& e : section.Boreholes) {
        if (!e.IsCarotage() || e.ColumnRight < left || e.ColumnLeft > right)
            continue;
        GroupRange& g = groups[e.DataIndex];
        g.Lo = std::min(g.Lo, e.CurveMin);
        g.Hi = std::max(g.Hi, e.CurveMax);
    }
    return groups;
}

void DrawCurve(const Section& section, size_t index, TChart& chart, const arofdoubleM& values,
               const std::map<int32_t, GroupRange>& groups) {
    const carotagedata& e = section.Boreholes[index];
    TLineSeries* series = SectionDocument::SeriesOf(e);
    if (!series)
        return;
    double lo = e.CurveMin, hi = e.CurveMax;
    if (e.NormType == 0 || e.NormType == 1) {
        const auto group = groups.find(e.DataIndex);
        if (group != groups.end()) {
            lo = std::min(lo, group->second.Lo);
            hi = std::max(hi, group->second.Hi);
        }
    }
    if (series->ParentChart() != &chart)
        series->SetParentChart(&chart);
    series->Clear();
    series->SeriesColor = ColorFromValue(e.CurveColor);
    const double width = std::fabs(e.ColumnLeft - e.ColumnRight);
    const CurveMapping mapping(e.ColumnLeft, width, lo, hi);
    const bool current = static_cast<int32_t>(index) == section.CurrentBorehole;
    const QString mark = QString::fromLocal8Bit(e.Name.data(), static_cast<int>(e.Name.size()));
    for (size_t k = 0; k < values.size(); ++k) {
        const double depth = e.Points[k].first;
        const QString label = current && k == 0 ? mark : QString();
        if (std::isnan(values[k]))
            series->AddXY(e.HorizontalPosition - width / 2, depth, label, clNone);
        else
            series->AddXY(mapping.X(values[k]), depth, label);
    }
}

// Windows-style rectangle: rows a to b - 1 and columns 0 to width - 1, outline included.
void PaintLayer(QPainter& painter, int width, int rowA, int rowB) {
    const int top = std::min(rowA, rowB), bottom = std::max(rowA, rowB);
    if (bottom - top < 1 || width < 1)
        return;
    painter.drawRect(QRect(0, top, width - 1, bottom - top - 1));
}

// Sets the column's box on the chart. The box in pixels, or nothing when there is no picture to
// paint (no layers, or a box without area).
std::optional<QRect> PlaceColumn(const Section& section, size_t index, TChart& chart) {
    const carotagedata& e = section.Boreholes[index];
    TLineSeries* series = SectionDocument::SeriesOf(e);
    TChartImageTool* tool = SectionDocument::ImageToolOf(e);
    if (!series || !tool)
        return std::nullopt;
    if (series->ParentChart() != &chart)
        series->SetParentChart(&chart);
    if (tool->ParentChart() != &chart)
        tool->SetParentChart(&chart);
    series->Active = true;
    series->Clear();
    tool->Picture = QImage();
    const size_t layers = std::min({e.Z.size(), e.C.size(), e.P.size()});
    if (layers == 0)
        return std::nullopt; // nothing to draw for an entry without layers
    const double top = e.PositionFromSurface, bottom = e.Z[layers - 1] + e.PositionFromSurface;
    series->AddXY(e.ColumnLeft, top, QString(), clNone);
    series->AddXY(e.ColumnRight, bottom, QString(), clNone);
    chart.UpdateLayout();
    const QRect rect = tool->CalcRect();
    if (rect.right() - rect.left() <= 0 || rect.bottom() - rect.top() <= 0)
        return std::nullopt;
    return rect;
}

// Paints the column's layers into a picture of the given size, which the image tool stretches over
// the box: when the picture has fewer rows than the box, the layer edges are scaled to match.
std::optional<std::string> PaintColumn(const Section& section, size_t index, const TChart& chart,
                                       const QRect& rect, QSize size) {
    const carotagedata& e = section.Boreholes[index];
    const size_t layers = std::min({e.Z.size(), e.C.size(), e.P.size()});
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull())
        return "Not enough memory for the column picture of the entry at " +
               NumberToText(0, 1, e.HorizontalPosition);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const bool current = static_cast<int32_t>(index) == section.CurrentBorehole;
    painter.setPen(ColorFromValue(current ? CurrentOutline : OtherOutline));
    const int origin = rect.top();
    const int boxRows = rect.bottom() - rect.top();
    const auto row = [&](double depth) {
        const int pixel = chart.LeftAxis.CalcPosValue(depth) - origin;
        if (size.height() == boxRows)
            return pixel;
        return static_cast<int>(std::lround(double(pixel) * size.height() / boxRows));
    };
    double upper = e.PositionFromSurface;
    for (size_t k = 0; k < layers; ++k) {
        const double lower = e.Z[k] + e.PositionFromSurface;
        ApplyFill(painter, e.P[k], e.C[k]);
        PaintLayer(painter, size.width(), row(upper), row(lower));
        painter.setBrush(Qt::SolidPattern);
        upper = lower;
    }
    painter.end();
    SectionDocument::ImageToolOf(e)->Picture = std::move(picture);
    return std::nullopt;
}

// The picture sizes for the placed columns: each box's size up to PictureCap rows and columns,
// all shrunk alike when together they would pass PictureBudget pixels.
std::vector<QSize> PictureSizes(const std::vector<std::pair<size_t, QRect>>& placed) {
    std::vector<QSize> sizes;
    double total = 0;
    for (const auto& [index, rect] : placed) {
        sizes.emplace_back(std::min(PictureCap, rect.right() - rect.left()),
                           std::min(PictureCap, rect.bottom() - rect.top()));
        total += double(sizes.back().width()) * sizes.back().height();
    }
    if (total > double(PictureBudget)) {
        const double shrink = std::sqrt(double(PictureBudget) / total);
        for (QSize& size : sizes)
            size = QSize(std::max(1, int(size.width() * shrink)),
                         std::max(1, int(size.height() * shrink)));
    }
    return sizes;
}

} // namespace

double MeanCache::Mean(const void* key, const arofdoubleM& values) {
    Item& item = Items[key];
    item.Used = true;
    const size_t bytes = values.size() * sizeof(double);
    if (item.Values.size() != values.size() ||
        (bytes && std::memcmp(item.Values.data(), values.data(), bytes) != 0)) {
        item.Values = values;
        item.Mean = RobustMean(values);
    }
    return item.Mean;
}

void MeanCache::Sweep() {
    for (auto it = Items.begin(); it != Items.end();) {
        if (it->second.Used) {
            it->second.Used = false;
            ++it;
        } else {
            it = Items.erase(it);
        }
    }
}

DrawOutcome DrawSection(Section& section, TChart& chart, double viewTop, double viewBottom,
                        MeanCache* cache) {
    DrawOutcome outcome;
    ararofdoubleM prepared(section.Boreholes.size());
    for (size_t i = 0; i < section.Boreholes.size(); ++i)
        if (section.Boreholes[i].IsCarotage())
            prepared[i] = PrepareValues(section.Boreholes[i], outcome.LeftOutPoints, cache);
    if (cache)
        cache->Sweep();
    // Strips first, so that every group sees this repaint's edges whatever the list order.
    for (carotagedata& e : section.Boreholes) {
        const double d = StripHalfWidth(viewTop, viewBottom, e.Percent);
        e.ColumnLeft = e.HorizontalPosition - d;
        e.ColumnRight = e.HorizontalPosition + d;
    }
    const auto groups = GroupRanges(section, chart);
    std::vector<std::pair<size_t, QRect>> placed;
    for (size_t i = 0; i < section.Boreholes.size(); ++i) {
        if (section.Boreholes[i].IsCarotage())
            DrawCurve(section, i, chart, prepared[i], groups);
        else if (const auto rect = PlaceColumn(section, i, chart))
            placed.emplace_back(i, *rect);
    }
    // Pictures once every box is known, so that their sizes can share one memory budget.
    const std::vector<QSize> sizes = PictureSizes(placed);
    for (size_t k = 0; k < placed.size(); ++k) {
        if (auto error = PaintColumn(section, placed[k].first, chart, placed[k].second, sizes[k])) {
            outcome.Error = std::move(error);
            break;
        }
    }
    return outcome;
}

} // namespace kalvero
