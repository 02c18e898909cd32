#pragma once

#include "chart/axis.h"
#include "chart/image_tool.h"
#include "chart/series.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <vector>

class QPainter;

namespace kalvero {

// A flat chart with a bottom and a left axis, image tools and series, painted on any QPainter.
// It holds no widget: a window sets its size and calls Paint from its paint event, an export
// paints it into an image or a vector file. Neither series nor tools are owned.
class TChart {
public:
    TChart();
    TChart(const TChart&) = delete;
    TChart& operator=(const TChart&) = delete;
    // Leaves its series and tools without a chart.
    ~TChart();

    // The background of the whole chart; an invalid colour leaves the background unpainted.
    QColor Color = Qt::white;
    // The font of labels and marks.
    QFont Font = DefaultChartFont();
    // From 5 to 95 percent of the plot's width.
    TChartAxis BottomAxis{true, &Font};
    // Inverted: its Minimum is at the top.
    TChartAxis LeftAxis{false, &Font};
    // Left, top, right, bottom, in pixels.
    QMargins Margins{10, 4, 3, 4};

    void SetSize(QSize size) { size_ = size; }
    QSize Size() const { return size_; }

    // Places the plot rectangle inside the margins, leaving room for the axis labels, and gives
    // each axis its pixel range. Needed after a change of size, axis range or font; cheap.
    void UpdateLayout();
    // The rectangle inside the axis lines, the lines included; series and tools are clipped to
    // it.
    QRect PlotRect() const { return plotRect_; }

    // Lays out, then paints the chart at (0, 0, Size()): the background, the axes (lines, ticks,
    // labels), the active image tools in the order they joined, then the lines, pointers and
    // marks of every active series in the order they joined. Lines are aliased and 1 pixel wide.
    void Paint(QPainter& p);

    const std::vector<TChartSeries*>& Series() const { return series_; }
    const std::vector<TChartImageTool*>& Tools() const { return tools_; }

    // Sets both axes to the values under the rectangle's edges, as a dragged zoom box does. The
    // corners may come in any order: QRect(pressPoint, releasePoint) needs no normalising.
    void ZoomToPixelRect(QRect r);
    // Moves both axes' ranges by the values under dx and dy pixels, so that the content follows
    // a dragging mouse.
    void PanByPixels(int dx, int dy);

private:
    friend class TChartSeries;
    friend class TChartImageTool;

    void AddSeries(TChartSeries* series);
    void RemoveSeries(TChartSeries* series);
    void AddTool(TChartImageTool* tool);
    void RemoveTool(TChartImageTool* tool);
    QColor NextAutomaticColor();
    void PaintAxes(QPainter& p) const;

    QSize size_;
    QRect plotRect_;
    std::vector<TChartSeries*> series_;
    std::vector<TChartImageTool*> tools_;
    int automaticColors_ = 0;
};

} // namespace kalvero
