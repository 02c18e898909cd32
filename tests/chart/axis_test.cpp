#include "chart/chart.h"
#include "chart_support.h"

#include <QFontMetrics>
#include <cmath>
#include <gtest/gtest.h>

namespace kalvero {
namespace {

struct TMappingCase {
    const char* Name;
    bool Horizontal;
    bool Inverted;
    double Value;
    int Pixel;
};

// Pixels 100 to 300 for the values 0 to 10: 20 pixels per unit.
const TMappingCase MappingCases[] = {
    {"horizontal minimum at start", true, false, 0, 100},
    {"horizontal maximum at end", true, false, 10, 300},
    {"horizontal inside, rounded down", true, false, 2.52, 150},
    {"horizontal inside, rounded up", true, false, 2.53, 151},
    {"horizontal beyond maximum", true, false, 12, 340},
    {"horizontal inverted minimum at end", true, true, 0, 300},
    {"horizontal inverted inside", true, true, 2.5, 250},
    {"vertical minimum at bottom", false, false, 0, 300},
    {"vertical maximum at top", false, false, 10, 100},
    {"vertical inside", false, false, 2.5, 250},
    {"vertical inverted minimum at top", false, true, 0, 100},
    {"vertical inverted inside", false, true, 2.5, 150},
    {"vertical inverted below minimum", false, true, -1, 80},
    {"far beyond the range is clamped", true, false, 1e300, PixelLimit},
    {"far below the range is clamped", false, true, -1e300, -PixelLimit},
    {"NaN goes to the lower limit", true, false, std::nan(""), -PixelLimit},
};

TEST(AxisMapping, ValueToPixelAndBack) {
    for (const TMappingCase& c : MappingCases) {
        SCOPED_TRACE(c.Name);
        TChartAxis axis(c.Horizontal);
        axis.Inverted = c.Inverted;
        axis.SetMinMax(0, 10);
        axis.SetPixelRange(100, 300);
        EXPECT_EQ(axis.CalcPosValue(c.Value), c.Pixel);
        if (std::abs(c.Pixel) < PixelLimit) {
            // Back from the pixel: within half a pixel (1/40 unit) of the value.
            EXPECT_NEAR(axis.CalcPosPoint(c.Pixel), c.Value, 0.025);
        }
    }
}

TEST(AxisMapping, WithoutPixelExtentEveryPixelIsTheMinimum) {
    TChartAxis axis(false);
    axis.SetMinMax(3, 8);
    axis.SetPixelRange(50, 50);
    EXPECT_EQ(axis.CalcPosValue(7), 50);
    EXPECT_EQ(axis.CalcPosPoint(80), 3);
    EXPECT_TRUE(axis.LabelValues().empty());
}

// The chart gives each axis the share of the plot its start and end positions name.
TEST(AxisMapping, StartAndEndPositionsShareThePlot) {
    const struct {
        double Start;
        double End;
    } cases[] = {{0, 100}, {5, 95}, {20, 60}, {50, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Start << " to " << c.End);
        TChart chart;
        chart.SetSize({400, 300});
        for (TChartAxis* axis : {&chart.BottomAxis, &chart.LeftAxis}) {
            axis->StartPosition = c.Start;
            axis->EndPosition = c.End;
        }
        chart.UpdateLayout();
        const QRect plot = chart.PlotRect();
        const double width = plot.right() - plot.left();
        const double height = plot.bottom() - plot.top();
        EXPECT_NEAR(chart.BottomAxis.IStartPos(), plot.left() + width * c.Start / 100, 0.5);
        EXPECT_NEAR(chart.BottomAxis.IEndPos(), plot.left() + width * c.End / 100, 0.5);
        EXPECT_NEAR(chart.LeftAxis.IStartPos(), plot.top() + height * c.Start / 100, 0.5);
        EXPECT_NEAR(chart.LeftAxis.IEndPos(), plot.top() + height * c.End / 100, 0.5);
    }
}

TEST(AxisRange, SetMinMaxOrdersAndWidens) {
    const struct {
        const char* Name;
        double Minimum, Maximum;
        double ExpectedMinimum, ExpectedMaximum;
    } cases[] = {
        {"in order", 0, 10, 0, 10},
        {"swapped", 10, -4, -4, 10},
        {"empty range", 5, 5, 5, 5 + 1e-10},
        {"narrower than the floor", 5, 5 + 1e-11, 5, 5 + 1e-10},
        {"swapped and narrow", 1e-11, 0, 0, 1e-10},
        {"exactly the floor", 0, 1e-10, 0, 1e-10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TChartAxis axis(false);
        axis.SetMinMax(c.Minimum, c.Maximum);
        EXPECT_EQ(axis.Minimum(), c.ExpectedMinimum);
        EXPECT_EQ(axis.Maximum(), c.ExpectedMaximum);
    }
}

// Far from zero, minimum + 1e-10 rounds back to the minimum; the axis must still have a range,
// or every mapping divides by zero.
TEST(AxisRange, FloorKeepsARangeFarFromZero) {
    TChartAxis axis(false);
    axis.SetMinMax(123456789.0, 123456789.0);
    EXPECT_EQ(axis.Minimum(), 123456789.0);
    EXPECT_GT(axis.Maximum(), axis.Minimum());
    axis.SetPixelRange(0, 400);
    EXPECT_EQ(axis.CalcPosValue(123456789.0), 400);
}

TEST(AxisRange, NonFiniteLimitsAreIgnored) {
    TChartAxis axis(true);
    axis.SetMinMax(1, 2);
    axis.SetMinMax(std::nan(""), 5);
    axis.SetMinMax(0, HUGE_VAL);
    EXPECT_EQ(axis.Minimum(), 1);
    EXPECT_EQ(axis.Maximum(), 2);
}

struct TLabelCase {
    const char* Name;
    bool Horizontal;
    int Pixels;
    double Minimum, Maximum;
};

const TLabelCase LabelCases[] = {
    {"vertical 0 to 100", false, 300, 0, 100},
    {"vertical across zero", false, 300, -7.3, 12.9},
    {"vertical smallest range", false, 500, 0, 1e-10},
    {"vertical smallest range far from zero", false, 400, 123456789.0, 123456789.0 + 1e-10},
    {"vertical empty view of the failure case", false, 900, -123456789.0, 0},
    {"horizontal 0 to 1000", true, 800, 0, 1000},
    {"horizontal long texts", true, 1700, -123456789.0, 45},
    {"horizontal small decimals", true, 100, 0.001, 0.002},
    {"horizontal narrower than one gap", true, 20, 0, 1},
};

// Steps are 1, 2 or 5 times a power of ten.
bool IsRoundStep(double step) {
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    for (const double round : {1.0, 2.0, 5.0, 10.0}) {
        if (std::abs(mantissa - round) < 1e-9 * round) {
            return true;
        }
    }
    return false;
}

TEST(AxisLabels, RoundSpacedInsideTheRange) {
    const QFontMetrics metrics(DefaultChartFont());
    for (const TLabelCase& c : LabelCases) {
        SCOPED_TRACE(c.Name);
        TChartAxis axis(c.Horizontal);
        axis.SetPixelRange(10, 10 + c.Pixels);
        axis.SetMinMax(c.Minimum, c.Maximum);
        const std::vector<double> values = axis.LabelValues();
        const double step = axis.LabelStep();
        ASSERT_GT(step, 0);
        EXPECT_TRUE(IsRoundStep(step)) << step;
        for (size_t i = 0; i < values.size(); ++i) {
            EXPECT_GE(values[i], axis.Minimum());
            EXPECT_LE(values[i], axis.Maximum());
            const double multiple = values[i] / step;
            EXPECT_NEAR(multiple, std::round(multiple), 1e-6) << values[i];
            if (i == 0) {
                continue;
            }
            const int distance =
                std::abs(axis.CalcPosValue(values[i]) - axis.CalcPosValue(values[i - 1]));
            EXPECT_GE(distance, axis.LabelsSeparation);
            const int texts = c.Horizontal
                                  ? (metrics.horizontalAdvance(axis.LabelText(values[i])) +
                                     metrics.horizontalAdvance(axis.LabelText(values[i - 1]))) /
                                        2
                                  : metrics.height();
            EXPECT_GT(distance, texts) << "texts overlap";
        }
        // Not sparser than needed: one more label would fall inside the range's spacing, so a
        // range that holds three steps shows at least two labels.
        if (axis.Maximum() - axis.Minimum() >= 3 * step) {
            EXPECT_GE(values.size(), 2u);
        }
    }
}

// On a vertical axis texts are one line high, so the separation alone sets the step: the next
// finer round step would bring labels closer than LabelsSeparation.
TEST(AxisLabels, VerticalStepIsTheFinestThatKeepsTheSeparation) {
    for (const TLabelCase& c : LabelCases) {
        if (c.Horizontal) {
            continue;
        }
        SCOPED_TRACE(c.Name);
        TChartAxis axis(false);
        axis.SetPixelRange(0, c.Pixels);
        axis.SetMinMax(c.Minimum, c.Maximum);
        const double pixelsPerValue = c.Pixels / (axis.Maximum() - axis.Minimum());
        const double step = axis.LabelStep();
        const double mantissa = std::round(step / std::pow(10.0, std::floor(std::log10(step))));
        const double finer = step * (mantissa == 5 ? 0.4 : 0.5);
        const bool atResolution = finer < std::abs(axis.Maximum()) * 1e-14;
        if (!atResolution) {
            EXPECT_LT(finer * pixelsPerValue, axis.LabelsSeparation);
        }
    }
}

TEST(AxisLabels, TextsUseTheStepsDecimals) {
    const struct {
        double Minimum, Maximum;
        int Pixels;
        std::vector<QString> Texts;
    } cases[] = {
        {0, 1, 150, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {-0.05, 0.05, 100, {"-0.05", "0.00", "0.05"}},
        {-1000, 1000, 150, {"-1000", "-500", "0", "500", "1000"}},
    };
    for (const auto& c : cases) {
        TChartAxis axis(false);
        axis.SetPixelRange(0, c.Pixels);
        axis.SetMinMax(c.Minimum, c.Maximum);
        std::vector<QString> texts;
        for (const TChartAxis::TLabel& label : axis.Labels()) {
            texts.push_back(label.Text);
        }
        EXPECT_EQ(texts, c.Texts);
    }
}

} // namespace
} // namespace kalvero
