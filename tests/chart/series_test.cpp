#include "chart/chart.h"
#include "chart_support.h"

#include <gtest/gtest.h>
#include <memory>

namespace kalvero {
namespace {

std::vector<QString> LabelsInOrder(const TChartSeries& series) {
    std::vector<QString> labels;
    for (int i = 0; i < series.Count(); ++i) {
        labels.push_back(series.Label(i));
    }
    return labels;
}

TEST(SeriesOrder, XValuesOrderDecidesWhereAPointGoes) {
    const double xs[] = {3, 1, 2, 1, 3};
    const QString names[] = {"a", "b", "c", "d", "e"};
    const struct {
        TValueListOrder Order;
        std::vector<QString> Expected;
    } cases[] = {
        // Equal X values keep the order they were added in.
        {loAscending, {"b", "d", "c", "a", "e"}},
        {loDescending, {"a", "e", "c", "b", "d"}},
        {loNone, {"a", "b", "c", "d", "e"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Order));
        TLineSeries series;
        series.XValuesOrder = c.Order;
        for (int i = 0; i < 5; ++i) {
            const int index = series.AddXY(xs[i], 10 * i, names[i]);
            EXPECT_EQ(series.Label(index), names[i]);
            EXPECT_EQ(series.XValue(index), xs[i]);
            EXPECT_EQ(series.YValue(index), 10 * i);
        }
        EXPECT_EQ(LabelsInOrder(series), c.Expected);
    }
}

TEST(SeriesOrder, YValuesOrderLeavesPointsAsAdded) {
    TLineSeries series;
    series.XValuesOrder = loNone;
    series.YValuesOrder = loAscending;
    series.AddXY(0, 5, "first");
    series.AddXY(0, 1, "second");
    EXPECT_EQ(LabelsInOrder(series), (std::vector<QString>{"first", "second"}));
}

TEST(SeriesPoints, ExtentsCountNonePointsButTheyAreNotDrawable) {
    TLineSeries series;
    series.SeriesColor = Qt::blue;
    series.AddXY(1, 10);
    series.AddXY(-5, 50, {}, clNone);
    series.AddXY(3, -2, {}, Qt::red);
    ASSERT_EQ(series.Count(), 3);
    EXPECT_EQ(series.MinXValue(), -5);
    EXPECT_EQ(series.MaxXValue(), 3);
    EXPECT_EQ(series.MinYValue(), -2);
    EXPECT_EQ(series.MaxYValue(), 50);
    // Ascending by X: the none point comes first.
    EXPECT_TRUE(series.IsNone(0));
    EXPECT_FALSE(series.IsNone(1));
    EXPECT_FALSE(series.IsNone(2));
    EXPECT_FALSE(series.PointColor(0).isValid());
    EXPECT_EQ(series.PointColor(1), QColor(Qt::blue));
    EXPECT_EQ(series.PointColor(2), QColor(Qt::red));

    series.Clear();
    EXPECT_EQ(series.Count(), 0);
    EXPECT_EQ(series.MinXValue(), 0);
    EXPECT_EQ(series.MaxYValue(), 0);
}

// Labels and colours are only stored once some point needs them; points added before and after
// must keep theirs, wherever the sorted insert puts the new one.
TEST(SeriesPoints, LabelsAndColoursStayWithTheirPoints) {
    TLineSeries series;
    series.SeriesColor = Qt::green;
    series.AddXY(5, 0);
    series.AddXY(9, 0);
    series.AddXY(1, 0, "low");
    series.AddXY(7, 0, {}, Qt::red);
    series.AddXY(3, 0, "mid", clNone);
    const struct {
        double X;
        QString Label;
        QColor Color;
    } expected[] = {{1, "low", Qt::green},
                    {3, "mid", QColor()},
                    {5, "", Qt::green},
                    {7, "", Qt::red},
                    {9, "", Qt::green}};
    ASSERT_EQ(series.Count(), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(series.XValue(i), expected[i].X);
        EXPECT_EQ(series.Label(i), expected[i].Label);
        EXPECT_EQ(series.PointColor(i), expected[i].Color);
    }
}

TEST(SeriesPoints, SeriesColouredPointsFollowALaterSeriesColour) {
    TPointSeries series;
    series.SeriesColor = Qt::green;
    series.AddXY(1, 1);
    series.AddXY(2, 2, {}, clSeriesColor);
    series.SeriesColor = Qt::magenta;
    EXPECT_EQ(series.PointColor(0), QColor(Qt::magenta));
    EXPECT_EQ(series.PointColor(1), QColor(Qt::magenta));
}

TEST(SeriesChart, JoiningGivesAnAutomaticColourOnlyWithoutOne) {
    TChart chart;
    TLineSeries first, second, own;
    own.SeriesColor = Qt::cyan;
    first.SetParentChart(&chart);
    second.SetParentChart(&chart);
    own.SetParentChart(&chart);
    EXPECT_TRUE(first.SeriesColor.isValid());
    EXPECT_TRUE(second.SeriesColor.isValid());
    EXPECT_NE(first.SeriesColor, second.SeriesColor);
    EXPECT_EQ(own.SeriesColor, QColor(Qt::cyan));
}

TEST(SeriesChart, JoiningLeavingAndDestroying) {
    TChart chart, other;
    TLineSeries a;
    auto b = std::make_unique<TPointSeries>();
    a.SetParentChart(&chart);
    b->SetParentChart(&chart);
    a.SetParentChart(&chart);
    EXPECT_EQ(chart.Series(), (std::vector<TChartSeries*>{&a, b.get()}));

    a.SetParentChart(&other);
    EXPECT_EQ(chart.Series(), (std::vector<TChartSeries*>{b.get()}));
    EXPECT_EQ(other.Series(), (std::vector<TChartSeries*>{&a}));
    EXPECT_EQ(a.ParentChart(), &other);

    a.SetParentChart(nullptr);
    EXPECT_TRUE(other.Series().empty());
    EXPECT_EQ(a.ParentChart(), nullptr);

    b.reset();
    EXPECT_TRUE(chart.Series().empty());
}

TEST(SeriesChart, DestroyedSeriesLeavesNoToolPointingAtIt) {
    TChart chart;
    auto series = std::make_unique<TLineSeries>();
    series->SetParentChart(&chart);
    TChartImageTool tool;
    tool.Series = series.get();
    tool.SetParentChart(&chart);
    series.reset();
    EXPECT_EQ(tool.Series, nullptr);
    EXPECT_TRUE(tool.CalcRect().isNull());
}

TEST(SeriesChart, ToolsJoinInOrderAndLeaveWhenDestroyed) {
    TChart chart;
    TChartImageTool first;
    auto second = std::make_unique<TChartImageTool>();
    second->SetParentChart(&chart);
    first.SetParentChart(&chart);
    EXPECT_EQ(chart.Tools(), (std::vector<TChartImageTool*>{second.get(), &first}));
    second.reset();
    EXPECT_EQ(chart.Tools(), (std::vector<TChartImageTool*>{&first}));
    first.SetParentChart(nullptr);
    EXPECT_TRUE(chart.Tools().empty());
}

// Series and tools usually outlive the chart that shows them when a window closes.
TEST(SeriesChart, ChartDestroyedFirstLeavesSeriesAndToolsWithoutIt) {
    TLineSeries series;
    series.AddXY(1, 1);
    TChartImageTool tool;
    {
        TChart chart;
        series.SetParentChart(&chart);
        tool.SetParentChart(&chart);
    }
    EXPECT_EQ(series.ParentChart(), nullptr);
    EXPECT_EQ(tool.ParentChart(), nullptr);
    series.SetParentChart(nullptr);
    EXPECT_EQ(series.CalcXPos(0), 0);
}

TEST(SeriesChart, PositionsUseBottomAxisForXAndLeftAxisForY) {
    TChart chart;
    chart.SetSize({300, 200});
    chart.BottomAxis.SetMinMax(0, 10);
    chart.LeftAxis.SetMinMax(100, 200);
    chart.UpdateLayout();
    TLineSeries series;
    series.SetParentChart(&chart);
    series.AddXY(2.5, 150);
    EXPECT_EQ(series.CalcXPos(0), chart.BottomAxis.CalcPosValue(2.5));
    EXPECT_EQ(series.CalcYPos(0), chart.LeftAxis.CalcPosValue(150));
    EXPECT_NEAR(series.XScreenToValue(series.CalcXPos(0)), 2.5, 10.0 / 200);
    EXPECT_NEAR(series.YScreenToValue(series.CalcYPos(0)), 150, 100.0 / 100);
}

} // namespace
} // namespace kalvero
