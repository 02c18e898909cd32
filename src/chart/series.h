#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <vector>

class QPainter;

namespace kalvero {

class TChart;

// A point added with clNone (an invalid colour) counts for the series' extents but is neither
// drawn nor joined to its neighbours.
inline const QColor clNone;
// A point added with clSeriesColor (fully transparent black) takes the series' own colour, also
// when SeriesColor changes later. Any other valid colour is the point's own.
inline const QColor clSeriesColor{Qt::transparent};

enum TValueListOrder { loNone, loAscending, loDescending };
enum TSeriesPointerStyle { psRectangle, psNothing };

// Points with an X and Y value, a label and a colour, shown on the chart's bottom and left axes.
// The series does not own its chart, nor the chart its series: whoever creates a series destroys
// it, and either side may go first.
class TChartSeries {
public:
    TChartSeries() = default;
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;
    virtual ~TChartSeries();

    // Joins the end of the chart's series list (the order of painting); nullptr leaves it. A
    // series joining a chart without a valid SeriesColor takes the chart's next automatic one.
    void SetParentChart(TChart* chart);
    TChart* ParentChart() const { return chart_; }

    bool Active = true;
    // The chart draws no legend; the flag is kept for whoever lists series.
    bool ShowInLegend = true;
    QColor SeriesColor;
    // XValues order the points: loAscending (or loDescending) inserts each new point after the
    // points with an equal X, loNone appends it. A change applies to points added afterwards.
    TValueListOrder XValuesOrder = loAscending;
    // Recorded only: the X values alone decide the order of points.
    TValueListOrder YValuesOrder = loNone;
    // A non-empty label is drawn as a small boxed text beside its point.
    bool MarksVisible = false;
    bool PointerVisible = false;
    TSeriesPointerStyle PointerStyle = psRectangle;

    // Returns the index the point was given.
    int AddXY(double x, double y, const QString& label = {}, const QColor& color = clSeriesColor);
    void Clear();
    int Count() const { return int(xValues_.size()); }

    double XValue(int i) const { return xValues_[i]; }
    double YValue(int i) const { return yValues_[i]; }
    QString Label(int i) const;
    bool IsNone(int i) const;
    // The colour point i is drawn in; invalid for a clNone point.
    QColor PointColor(int i) const;

    // Over all points, clNone points included; 0 for an empty series.
    double MinXValue() const;
    double MaxXValue() const;
    double MinYValue() const;
    double MaxYValue() const;

    // Pixel of point i, and value at a pixel, by the parent chart's axes as last laid out; 0
    // without a chart.
    int CalcXPos(int i) const;
    int CalcYPos(int i) const;
    double XScreenToValue(int px) const;
    double YScreenToValue(int py) const;

    virtual void Paint(QPainter& p) const = 0;

protected:
    // Consecutive segments (point First to First + 1, ..., Last - 1 to Last) of one colour.
    struct TLineRun {
        int First;
        int Last;
        QColor Color;
    };

    // Every point's pixel position, converted once per paint.
    std::vector<QPoint> PixelPoints() const;
    // The segments to draw: between two drawable points, in the colour of the second.
    std::vector<TLineRun> LineRuns() const;
    bool Drawable(int i) const { return colors_.empty() || colors_[i].Kind != TColorKind::None; }
    void PaintPointers(QPainter& p, const std::vector<QPoint>& pixels) const;
    void PaintMarks(QPainter& p, const std::vector<QPoint>& pixels) const;

private:
    friend class TChart;

    enum class TColorKind : uint8_t { Series, Own, None };
    struct TPointColor {
        TColorKind Kind = TColorKind::Series;
        QRgb Rgb = 0;
    };

    int InsertionIndex(double x) const;

    TChart* chart_ = nullptr;
    std::vector<double> xValues_;
    std::vector<double> yValues_;
    // Both stay empty while every point has an empty label and the series' colour, which keeps
    // long curves lean.
    std::vector<QString> labels_;
    std::vector<TPointColor> colors_;
};

// Joins consecutive drawable points with a 1-pixel line; a clNone point breaks the line. Each
// segment takes the colour of the point it leads to. The picture is that of every segment drawn
// on its own, at a cost that follows the pixel rows, not the points, for curves that run down
// the rows with many points on each.
class TLineSeries : public TChartSeries {
public:
    void Paint(QPainter& p) const override;
};

// Draws a pointer at each drawable point.
class TPointSeries : public TChartSeries {
public:
    TPointSeries();
    void Paint(QPainter& p) const override;
};

} // namespace kalvero
