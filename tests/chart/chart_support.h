#pragma once

#include "chart/chart.h"

#include <QImage>
#include <QLine>
#include <QPainter>
#include <QString>
#include <gtest/gtest.h>
#include <ostream>

// Readable values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QLine& line, std::ostream* out) {
    *out << '(' << line.x1() << ", " << line.y1() << ")-(" << line.x2() << ", " << line.y2() << ')';
}

namespace kalvero::charttest {

// Sets both axes so that one unit is one pixel counted from the axis' first pixel: X = column -
// BottomAxis.IStartPos(), and Y = row - LeftAxis.IStartPos() on the (default) inverted left axis.
inline void SetOnePixelPerUnit(TChart& chart) {
    chart.UpdateLayout();
    chart.LeftAxis.SetMinMax(0, chart.LeftAxis.IEndPos() - chart.LeftAxis.IStartPos());
    // The left axis' labels decide where the plot begins, so the bottom axis is measured after.
    chart.UpdateLayout();
    chart.BottomAxis.SetMinMax(0, chart.BottomAxis.IEndPos() - chart.BottomAxis.IStartPos());
    chart.UpdateLayout();
}

inline QImage Render(TChart& chart) {
    QImage image(chart.Size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    chart.Paint(painter);
    return image;
}

inline QImage Solid(const QColor& color, QSize size = {1, 1}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

inline QRgb Rgb(const QColor& color) {
    return color.rgb();
}

// A 240 by 180 chart at one unit a pixel; At reads a pixel by its offset from the axes' origin.
class OnePixelChart : public ::testing::Test {
protected:
    void SetUp() override {
        chart.SetSize({240, 180});
        SetOnePixelPerUnit(chart);
        x0 = chart.BottomAxis.IStartPos();
        y0 = chart.LeftAxis.IStartPos();
    }
    QRgb At(const QImage& image, int x, int y) const { return image.pixel(x0 + x, y0 + y); }

    TChart chart;
    int x0 = 0;
    int y0 = 0;
};

} // namespace kalvero::charttest
