#include "chart/chart.h"
#include "chart_support.h"

#include <gtest/gtest.h>

namespace kalvero {
namespace {

using charttest::Render;
using charttest::Rgb;
using charttest::SetOnePixelPerUnit;
using charttest::Solid;

class ChartPaint : public charttest::OnePixelChart {};

TEST_F(ChartPaint, BackgroundFrameAndTicks) {
    chart.Color = Qt::cyan;
    const QImage image = Render(chart);
    const QRect plot = chart.PlotRect();
    EXPECT_EQ(image.pixel(1, 1), Rgb(Qt::cyan));
    EXPECT_EQ(image.pixel(plot.center()), Rgb(Qt::cyan));
    for (const QPoint corner :
         {plot.topLeft(), plot.topRight(), plot.bottomLeft(), plot.bottomRight()}) {
        EXPECT_EQ(image.pixel(corner), Rgb(Qt::black));
    }
    EXPECT_EQ(image.pixel(plot.right() + 1, plot.center().y()), Rgb(Qt::cyan));
    const double firstLeftLabel = chart.LeftAxis.LabelValues().at(0);
    EXPECT_EQ(image.pixel(plot.left() - 2, chart.LeftAxis.CalcPosValue(firstLeftLabel)),
              Rgb(Qt::black));
    const double firstBottomLabel = chart.BottomAxis.LabelValues().at(0);
    EXPECT_EQ(image.pixel(chart.BottomAxis.CalcPosValue(firstBottomLabel), plot.bottom() + 2),
              Rgb(Qt::black));
}

// Axes first, then the image tools in the order they joined the chart, then the series' lines;
// tools and series stay inside the plot rectangle.
TEST_F(ChartPaint, AxesThenToolsInJoinOrderThenSeries) {
    TPointSeries wholeBox, smallBox;
    wholeBox.XValuesOrder = smallBox.XValuesOrder = loNone;
    wholeBox.AddXY(-100, -100, {}, clNone);
    wholeBox.AddXY(1000, 1000, {}, clNone);
    smallBox.AddXY(20, 20, {}, clNone);
    smallBox.AddXY(60, 60, {}, clNone);
    TChartImageTool red, blue;
    red.Series = &wholeBox;
    red.Picture = Solid(Qt::red);
    blue.Series = &smallBox;
    blue.Picture = Solid(Qt::blue);
    TLineSeries line;
    line.SeriesColor = Qt::green;
    line.AddXY(-100, 40);
    line.AddXY(1000, 40);
    // The series joins first: joining order matters among tools, not between tools and series.
    line.SetParentChart(&chart);

    const struct {
        const char* Name;
        std::vector<TChartImageTool*> JoinOrder;
        QColor InsideSmallBox;
    } cases[] = {{"red then blue", {&red, &blue}, Qt::blue},
                 {"blue then red", {&blue, &red}, Qt::red}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        for (TChartImageTool* tool : c.JoinOrder) {
            tool->SetParentChart(nullptr);
            tool->SetParentChart(&chart);
        }
        const QImage image = Render(chart);
        const QRect plot = chart.PlotRect();
        EXPECT_EQ(image.pixel(plot.left(), plot.center().y()), Rgb(Qt::red)) << "frame under tools";
        EXPECT_EQ(image.pixel(plot.left() - 1, plot.center().y()), Rgb(Qt::white)) << "clipped";
        EXPECT_EQ(At(image, 30, 30), Rgb(c.InsideSmallBox));
        EXPECT_EQ(At(image, 80, 30), Rgb(Qt::red));
        EXPECT_EQ(At(image, 30, 40), Rgb(Qt::green));
        EXPECT_EQ(At(image, 80, 40), Rgb(Qt::green));
        EXPECT_EQ(image.pixel(2, y0 + 40), Rgb(Qt::white)) << "line clipped";
    }
}

TEST_F(ChartPaint, InactiveSeriesIsNotDrawn) {
    TLineSeries line;
    line.SetParentChart(&chart);
    line.SeriesColor = Qt::green;
    line.AddXY(0, 40);
    line.AddXY(100, 40);
    line.Active = false;
    EXPECT_EQ(At(Render(chart), 50, 40), Rgb(Qt::white));
    line.Active = true;
    EXPECT_EQ(At(Render(chart), 50, 40), Rgb(Qt::green));
}

// With one unit per pixel (see SetOnePixelPerUnit) the values under pixels are plain offsets.
class ChartNavigation : public ChartPaint {
protected:
    double Width() const { return chart.BottomAxis.IEndPos() - x0; }
    double Height() const { return chart.LeftAxis.IEndPos() - y0; }
};

TEST_F(ChartNavigation, ZoomTakesTheValuesUnderTheBox) {
    const struct {
        const char* Name;
        bool Inverted;
        QRect Box;
        double Left, Right, Top, Bottom; // values expected; Top and Bottom of the left axis
    } cases[] = {
        {"dragged down-right", true, QRect(QPoint(10, 20), QPoint(50, 60)), 10, 50, 20, 60},
        {"dragged up-left", true, QRect(QPoint(50, 60), QPoint(10, 20)), 10, 50, 20, 60},
        {"upright left axis", false, QRect(QPoint(10, 20), QPoint(50, 60)), 10, 50, -60, -20},
        {"a click", true, QRect(QPoint(30, 30), QPoint(30, 30)), 30, 30 + 1e-10, 30, 30 + 1e-10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        SetOnePixelPerUnit(chart);
        chart.LeftAxis.Inverted = c.Inverted;
        chart.ZoomToPixelRect(c.Box.translated(x0, y0));
        // On the upright axis the value of row y0 + r is Height - r.
        const double offset = c.Inverted ? 0 : Height();
        EXPECT_DOUBLE_EQ(chart.BottomAxis.Minimum(), c.Left);
        EXPECT_DOUBLE_EQ(chart.BottomAxis.Maximum(), c.Right);
        EXPECT_DOUBLE_EQ(chart.LeftAxis.Minimum(), offset + c.Top);
        EXPECT_DOUBLE_EQ(chart.LeftAxis.Maximum(), offset + c.Bottom);
        chart.LeftAxis.Inverted = true;
    }
}

TEST_F(ChartNavigation, PanMovesTheContentWithTheMouse) {
    const struct {
        const char* Name;
        bool Inverted;
        int Dx, Dy;
        double Shift, LeftShift;
    } cases[] = {
        {"right and down", true, 10, 5, -10, -5},
        {"left and up", true, -7, -3, 7, 3},
        {"down on the upright axis", false, 0, 5, 0, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        SetOnePixelPerUnit(chart);
        chart.LeftAxis.Inverted = c.Inverted;
        chart.PanByPixels(c.Dx, c.Dy);
        EXPECT_DOUBLE_EQ(chart.BottomAxis.Minimum(), c.Shift);
        EXPECT_DOUBLE_EQ(chart.BottomAxis.Maximum(), Width() + c.Shift);
        EXPECT_DOUBLE_EQ(chart.LeftAxis.Minimum(), c.LeftShift);
        EXPECT_DOUBLE_EQ(chart.LeftAxis.Maximum(), Height() + c.LeftShift);
        chart.LeftAxis.Inverted = true;
    }
}

} // namespace
} // namespace kalvero
