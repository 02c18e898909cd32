#include "chart/chart.h"
#include "chart/row_decimation.h"
#include "chart_support.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace kalvero {
namespace {

using charttest::Render;
using charttest::Rgb;

class LinePaint : public charttest::OnePixelChart {};

// A clNone point breaks the line: no segment leads to it or away from it, and it has no pointer.
TEST_F(LinePaint, NonePointsAreNeitherDrawnNorJoined) {
    TLineSeries line;
    line.SetParentChart(&chart);
    line.SeriesColor = Qt::blue;
    line.XValuesOrder = loNone;
    line.PointerVisible = true;
    line.AddXY(10, 10);
    line.AddXY(50, 10, {}, clNone);
    line.AddXY(90, 10);
    line.AddXY(90, 90);
    line.AddXY(50, 90, {}, Qt::red);
    const QImage image = Render(chart);
    for (int x = 14; x <= 86; ++x) {
        EXPECT_EQ(At(image, x, 10), Rgb(Qt::white)) << x;
    }
    for (int y = 14; y <= 86; ++y) {
        EXPECT_EQ(At(image, 90, y), Rgb(Qt::blue)) << y;
    }
    // A segment takes the colour of the point it leads to.
    for (int x = 54; x <= 86; ++x) {
        EXPECT_EQ(At(image, x, 90), Rgb(Qt::red)) << x;
    }
    EXPECT_EQ(At(image, 10, 10), Rgb(Qt::blue));
    EXPECT_EQ(At(image, 50, 10), Rgb(Qt::white));
}

TEST_F(LinePaint, PointerStylesAndNonePoints) {
    const struct {
        const char* Name;
        bool Visible;
        TSeriesPointerStyle Style;
        bool Drawn;
    } cases[] = {
        {"rectangle", true, psRectangle, true},
        {"nothing", true, psNothing, false},
        {"hidden", false, psRectangle, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TPointSeries points;
        points.SetParentChart(&chart);
        points.SeriesColor = Qt::green;
        points.PointerVisible = c.Visible;
        points.PointerStyle = c.Style;
        points.AddXY(30, 40);
        points.AddXY(60, 40, {}, clNone);
        const QImage image = Render(chart);
        EXPECT_EQ(At(image, 30, 40) == Rgb(Qt::green), c.Drawn);
        EXPECT_EQ(At(image, 60, 40), Rgb(Qt::white));
    }
}

int CountNot(const QImage& image, QRect area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) != colour;
        }
    }
    return count;
}

TEST_F(LinePaint, MarksShowNonEmptyLabelsBesideTheirPoints) {
    for (const bool visible : {false, true}) {
        TLineSeries line;
        line.SetParentChart(&chart);
        line.MarksVisible = visible;
        line.AddXY(40, 100, "K1");
        line.AddXY(40, 100.5);
        const QImage image = Render(chart);
        const QRect beside(x0 + 42, y0 + 70, 40, 28);
        EXPECT_EQ(CountNot(image, beside, Rgb(Qt::white)) > 20, visible);
    }
}

// A mark that would stick out of the plot turns below or to the left of its point.
TEST_F(LinePaint, MarksAtThePlotEdgesStayInside) {
    const int right = chart.BottomAxis.IEndPos() - x0;
    const struct {
        QPoint Point;
        QRect Expected; // relative to the point
    } cases[] = {{{40, 0}, {2, 2, 30, 14}}, {{right, 100}, {-32, -16, 30, 14}}};
    for (const auto& c : cases) {
        TLineSeries line;
        line.SetParentChart(&chart);
        line.MarksVisible = true;
        line.AddXY(c.Point.x(), c.Point.y(), "K1");
        const QImage image = Render(chart);
        const QRect area = c.Expected.translated(x0 + c.Point.x(), y0 + c.Point.y());
        EXPECT_GT(CountNot(image, area, Rgb(Qt::white)), 20) << c.Point.x() << "," << c.Point.y();
    }
}

// The decimated polyline must cover exactly the pixels that drawing every segment covers.
TEST_F(LinePaint, DecimatedLineMatchesEverySegment) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    const struct {
        const char* Name;
        int Count;
        std::function<QPointF(int, int)> Point;
        int NoneEvery;
        int ColourEvery;
    } curves[] = {
        {"dense log, depth down the rows", 20000,
         [&](int i, int n) { return QPointF(20 + 60 * unit(random), 160.0 * i / n); }, 0, 0},
        {"random walk with breaks and colours", 20000,
         [&, x = 80.0](int i, int n) mutable {
             x = std::clamp(x + 6 * (unit(random) - 0.5), -20.0, 200.0);
             return QPointF(x, -10 + 180.0 * i / n);
         },
         97, 1500},
        {"scatter over the whole plot and beyond", 3000,
         [&](int, int) { return QPointF(-30 + 260 * unit(random), -20 + 200 * unit(random)); }, 0,
         0},
        {"few rows, wide swings", 5000,
         [&](int i, int) { return QPointF(200 * unit(random), 40 + (i / 700) * 9); }, 0, 0},
    };
    for (const auto& curve : curves) {
        SCOPED_TRACE(curve.Name);
        TLineSeries line;
        line.SetParentChart(&chart);
        line.SeriesColor = Qt::blue;
        line.XValuesOrder = loNone;
        for (int i = 0; i < curve.Count; ++i) {
            const QPointF p = curve.Point(i, curve.Count);
            QColor colour = clSeriesColor;
            if (curve.NoneEvery && i % curve.NoneEvery == 0) {
                colour = clNone;
            } else if (curve.ColourEvery && (i / curve.ColourEvery) % 2) {
                colour = Qt::red;
            }
            line.AddXY(p.x(), p.y(), {}, colour);
        }
        const QImage decimated = Render(chart);

        line.Active = false;
        QImage everySegment = Render(chart);
        QPainter painter(&everySegment);
        painter.setClipRect(chart.PlotRect());
        for (int i = 1; i < line.Count(); ++i) {
            if (line.IsNone(i - 1) || line.IsNone(i)) {
                continue;
            }
            QPen pen(line.PointColor(i), 1);
            pen.setCosmetic(true);
            painter.setPen(pen);
            painter.drawLine(line.CalcXPos(i - 1), line.CalcYPos(i - 1), line.CalcXPos(i),
                             line.CalcYPos(i));
        }
        painter.end();
        EXPECT_GT(CountNot(everySegment, chart.PlotRect(), Rgb(Qt::white)), 200);
        int different = 0;
        for (int y = 0; y < decimated.height(); ++y) {
            for (int x = 0; x < decimated.width(); ++x) {
                different += decimated.pixel(x, y) != everySegment.pixel(x, y);
            }
        }
        EXPECT_EQ(different, 0);
    }
}

TEST(RowDecimation, EnteringSegmentAndSpanOfEachRow) {
    const QRect everywhere(-1000, -1000, 2000, 2000);
    const struct {
        const char* Name;
        std::vector<QPoint> Points;
        QRect Visible;
        std::vector<QLine> Expected;
    } cases[] = {
        {"one row", {{5, 0}, {0, 0}, {3, 0}, {9, 0}, {4, 0}}, everywhere, {QLine(0, 0, 9, 0)}},
        {"entering segments kept as they were",
         {{5, 0}, {9, 0}, {2, 1}, {7, 1}, {1, 1}, {4, 3}},
         everywhere,
         {QLine(5, 0, 9, 0), QLine(9, 0, 2, 1), QLine(1, 1, 7, 1), QLine(1, 1, 4, 3)}},
        {"one point per row stays every segment",
         {{1, 0}, {8, 1}, {2, 2}},
         everywhere,
         {QLine(1, 0, 8, 1), QLine(8, 1, 2, 2)}},
        {"a row visited twice is two runs",
         {{0, 0}, {2, 0}, {5, 1}, {3, 0}, {9, 0}},
         everywhere,
         {QLine(0, 0, 2, 0), QLine(2, 0, 5, 1), QLine(5, 1, 3, 0), QLine(3, 0, 9, 0)}},
        {"repeats of one point stay one line", {{4, 4}, {4, 4}}, everywhere, {QLine(4, 4, 4, 4)}},
        {"a lone point draws nothing", {{4, 4}}, everywhere, {}},
        {"lines wholly beside the visible part go",
         {{0, 0}, {9, 0}, {2, 1}, {3, 5}, {30, 5}, {31, 6}},
         QRect(QPoint(5, 1), QPoint(20, 5)),
         {QLine(9, 0, 2, 1), QLine(3, 5, 30, 5)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<QLine> lines{QLine(9, 9, 9, 9)};
        DecimateRows(c.Points, c.Visible, lines);
        EXPECT_EQ(lines, c.Expected);
    }
}

} // namespace
} // namespace kalvero
