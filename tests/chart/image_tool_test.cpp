#include "chart/chart.h"
#include "chart_support.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace kalvero {
namespace {

using charttest::Render;
using charttest::Rgb;
using charttest::Solid;

// Two corner points of a box, added in an order that is neither sorted by X nor by Y.
void SpanBox(TChartSeries& series, double x1, double y1, double x2, double y2) {
    series.XValuesOrder = loNone;
    series.AddXY(x2, y1, {}, clNone);
    series.AddXY(x1, y2, {}, clNone);
}

TEST(ImageToolRect, ColumnsOfTheXExtentsRowsOfTheYExtents) {
    const struct {
        const char* Name;
        bool Inverted;
        QRect Expected;
    } cases[] = {
        // X 0..100 on columns 0..200; Y 0..100 on rows 0..100, from the top when inverted.
        {"inverted", true, QRect(QPoint(20, 20), QPoint(100, 70))},
        {"upright", false, QRect(QPoint(20, 30), QPoint(100, 80))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TChart chart;
        chart.BottomAxis.SetMinMax(0, 100);
        chart.BottomAxis.SetPixelRange(0, 200);
        chart.LeftAxis.SetMinMax(0, 100);
        chart.LeftAxis.SetPixelRange(0, 100);
        chart.LeftAxis.Inverted = c.Inverted;
        TLineSeries series;
        series.XValuesOrder = loNone;
        series.AddXY(30, 70);
        series.AddXY(10, 20, {}, clNone);
        series.AddXY(50, 40);
        TChartImageTool tool;
        tool.Series = &series;
        EXPECT_TRUE(tool.CalcRect().isNull()) << "no chart yet";
        tool.SetParentChart(&chart);
        EXPECT_EQ(tool.CalcRect(), c.Expected);
    }
}

class ImageToolPaint : public charttest::OnePixelChart {
protected:
    void SetUp() override {
        OnePixelChart::SetUp();
        // A yellow tool under everything shows where a picture lets the chart through.
        SpanBox(underSeries, -50, -50, 500, 500);
        under.Series = &underSeries;
        under.Picture = Solid(Qt::yellow);
        under.SetParentChart(&chart);
        SpanBox(boxSeries, 40, 20, 80, 40);
        tool.Series = &boxSeries;
        tool.SetParentChart(&chart);
    }
    TPointSeries underSeries, boxSeries;
    TChartImageTool under, tool;
};

// A 4 x 2 picture over 40 x 20 pixels: each picture pixel becomes a 10 x 10 block; the box's
// right column and bottom row are outside it.
TEST_F(ImageToolPaint, StretchesThePictureAndSkipsTheTransparentColour) {
    QImage picture(4, 2, QImage::Format_RGB32);
    const QColor colours[2][4] = {{Qt::red, Qt::white, Qt::blue, Qt::white},
                                  {Qt::white, Qt::green, Qt::white, Qt::red}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            picture.setPixel(x, y, colours[y][x].rgb());
        }
    }
    tool.Picture = picture;
    for (const bool transparent : {false, true}) {
        SCOPED_TRACE(transparent);
        tool.Transparent = transparent;
        const QImage image = Render(chart);
        for (int y = 18; y <= 42; ++y) {
            for (int x = 38; x <= 82; ++x) {
                QRgb expected = Rgb(Qt::yellow);
                if (x >= 40 && x < 80 && y >= 20 && y < 40) {
                    expected = colours[(y - 20) / 10][(x - 40) / 10].rgb();
                    if (transparent && expected == Rgb(Qt::white)) {
                        expected = Rgb(Qt::yellow);
                    }
                }
                ASSERT_EQ(At(image, x, y), expected) << x << ", " << y;
            }
        }
    }
}

TEST_F(ImageToolPaint, VerticalFlipPutsTheFirstRowAtTheSmallestY) {
    QImage picture(1, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, Rgb(Qt::red));
    picture.setPixel(0, 1, Rgb(Qt::blue));
    tool.Picture = picture;
    const struct {
        bool Inverted;
        bool VerticalFlip;
        QColor Top;
    } cases[] = {{true, false, Qt::red},
                 {true, true, Qt::red},
                 {false, false, Qt::red},
                 {false, true, Qt::blue}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "inverted " << c.Inverted << ", flip " << c.VerticalFlip);
        chart.LeftAxis.Inverted = c.Inverted;
        tool.VerticalFlip = c.VerticalFlip;
        const QImage image = Render(chart);
        const QRect box = tool.CalcRect();
        const QColor bottom = c.Top == Qt::red ? Qt::blue : Qt::red;
        EXPECT_EQ(image.pixel(box.left() + 5, box.top() + 2), Rgb(c.Top));
        EXPECT_EQ(image.pixel(box.left() + 5, box.bottom() - 2), Rgb(bottom));
    }
}

// The converted copy used for drawing must follow every change of the picture and the colour.
TEST_F(ImageToolPaint, ChangesOfThePictureShowAtTheNextPaint) {
    tool.Transparent = true;
    tool.Picture = Solid(Qt::red, {4, 4});
    EXPECT_EQ(At(Render(chart), 50, 30), Rgb(Qt::red));
    {
        QPainter painter(&tool.Picture);
        painter.fillRect(0, 0, 4, 4, Qt::white);
    }
    EXPECT_EQ(At(Render(chart), 50, 30), Rgb(Qt::yellow));
    tool.TransparentColor = Qt::black;
    EXPECT_EQ(At(Render(chart), 50, 30), Rgb(Qt::white));
    tool.Picture = Solid(Qt::black, {2, 2});
    EXPECT_EQ(At(Render(chart), 50, 30), Rgb(Qt::yellow));
    tool.Picture.setPixel(0, 0, Rgb(Qt::blue));
    EXPECT_EQ(At(Render(chart), 45, 25), Rgb(Qt::blue));
}

// Zoomed far in, the stretched picture spans millions of pixels; what shows must still be the
// right part of it.
TEST_F(ImageToolPaint, DeepZoomShowsThePartUnderTheView) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, Rgb(Qt::red));
    picture.setPixel(1, 0, Rgb(Qt::blue));
    tool.Picture = picture;
    // The box's middle, X = 60, in the middle of a view 1e-4 wide: 4e5 pixels per picture pixel.
    const double width = chart.BottomAxis.IEndPos() - chart.BottomAxis.IStartPos();
    chart.BottomAxis.SetMinMax(60 - 0.5e-4, 60 + 0.5e-4);
    const QImage image = Render(chart);
    const int middle = chart.BottomAxis.CalcPosValue(60);
    EXPECT_NEAR(middle, x0 + width / 2, 1);
    EXPECT_EQ(image.pixel(middle - 3, y0 + 30), Rgb(Qt::red));
    EXPECT_EQ(image.pixel(middle + 3, y0 + 30), Rgb(Qt::blue));
    EXPECT_EQ(image.pixel(x0 + 1, y0 + 30), Rgb(Qt::red));
    EXPECT_EQ(image.pixel(chart.BottomAxis.IEndPos() - 1, y0 + 30), Rgb(Qt::blue));
}

TEST_F(ImageToolPaint, InactiveToolOrEmptySeriesDrawsNothing) {
    tool.Picture = Solid(Qt::red, {3, 3});
    tool.Active = false;
    EXPECT_EQ(At(Render(chart), 50, 30), Rgb(Qt::yellow));
    tool.Active = true;
    boxSeries.Clear();
    EXPECT_EQ(At(Render(chart), 50, 30), Rgb(Qt::yellow));
}

} // namespace
} // namespace kalvero
