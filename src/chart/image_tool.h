#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

namespace kalvero {

class TChart;
class TChartSeries;

// Shows a picture stretched over the box of a series' points: the picture is placed by values,
// so it follows the axes when they are zoomed or panned.
class TChartImageTool {
public:
    TChartImageTool() = default;
    TChartImageTool(const TChartImageTool&) = delete;
    TChartImageTool& operator=(const TChartImageTool&) = delete;
    ~TChartImageTool();

    // Joins the end of the chart's tool list (tools paint in the order they joined); nullptr
    // leaves it.
    void SetParentChart(TChart* chart);
    TChart* ParentChart() const { return chart_; }

    // The series whose box the picture covers, active or not (a series that only spans a box
    // need not draw). A series being destroyed clears this field in the tools of its own chart.
    TChartSeries* Series = nullptr;
    // Any format. It may be replaced or painted on at any time: the converted copy used for
    // drawing is made again whenever the picture's contents change.
    QImage Picture;
    // When set, pixels of exactly TransparentColor are not drawn.
    bool Transparent = false;
    QColor TransparentColor = Qt::white;
    // Set: the picture's first row lies at the pixel row of the series' smallest Y, whichever
    // way the vertical axis points. Clear: it lies at the top of the box.
    bool VerticalFlip = false;
    bool Active = true;

    // left and right are the pixel columns of the series' smallest and largest X, top and bottom
    // the pixel rows of its smallest and largest Y (normalised so that left <= right and
    // top <= bottom), by the axes of the tool's chart, or else of the series' chart, as last
    // laid out. A null rectangle without a series, a point or a chart. Note that QRect::width()
    // is right - left + 1, while the picture covers right - left columns: a picture of
    // right - left by bottom - top pixels is drawn unscaled.
    QRect CalcRect() const;
    // Stretches the picture over the columns left to right - 1 and the rows top to bottom - 1 of
    // CalcRect(), drawing only what lies inside the painter's clip or device.
    void Paint(QPainter& p) const;

private:
    friend class TChart;

    struct TPlacement {
        QRect Rect;
        bool SmallestYAtBottom = false;
    };

    TPlacement Placement() const;
    const QImage& Prepared(bool mirrored) const;

    TChart* chart_ = nullptr;
    mutable QImage prepared_;
    mutable qint64 preparedKey_ = 0;
    mutable bool preparedTransparent_ = false;
    mutable QRgb preparedColor_ = 0;
    mutable bool preparedMirrored_ = false;
};

} // namespace kalvero
