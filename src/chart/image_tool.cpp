#include "chart/image_tool.h"

#include "chart/chart.h"
#include "chart/painting.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kalvero {

namespace {

// Part of a picture stretched over a target: the picture pixels [First, Last) in one direction,
// picture pixel i beginning at target pixel Origin + i * Scale.
struct TSpan {
    int First;
    int Last;
    double Origin;
    double Scale;

    // The first target pixel whose centre lies in picture pixel i, as nearest-pixel stretching
    // places it.
    double PixelStart(int i) const { return std::ceil(Origin + i * Scale - 0.5); }
};

// The picture pixels that cover the target pixels [from, to).
TSpan SourceSpan(int from, int to, int targetStart, int targetSize, int size) {
    const double scale = double(targetSize) / size;
    const int first = int(std::floor((from - targetStart) / scale));
    const int last = int(std::ceil((to - targetStart) / scale));
    return {std::clamp(first, 0, size), std::clamp(last, 0, size), double(targetStart), scale};
}

// Larger stretched images are more than some paint engines place correctly.
constexpr double LargestDrawnImage = 16384;

// Fills the visible part of each picture pixel as a rectangle: for pictures stretched so far
// that a single pixel spans more than a paint engine can stretch an image over.
void FillCells(QPainter& p, const QImage& image, const TSpan& xs, const TSpan& ys,
               const QRect& visible) {
    const auto clampTo = [](double pixel, int low, int high) {
        return int(std::clamp(pixel, double(low), double(high)));
    };
    for (int y = ys.First; y < ys.Last; ++y) {
        const int top = clampTo(ys.PixelStart(y), visible.top(), visible.bottom() + 1);
        const int bottom = clampTo(ys.PixelStart(y + 1), visible.top(), visible.bottom() + 1);
        for (int x = xs.First; x < xs.Last; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int left = clampTo(xs.PixelStart(x), visible.left(), visible.right() + 1);
            const int right = clampTo(xs.PixelStart(x + 1), visible.left(), visible.right() + 1);
            if (qAlpha(pixel) != 0 && right > left && bottom > top) {
                p.fillRect(QRect(left, top, right - left, bottom - top), QColor::fromRgba(pixel));
            }
        }
    }
}

} // namespace

TChartImageTool::~TChartImageTool() {
    SetParentChart(nullptr);
}

void TChartImageTool::SetParentChart(TChart* chart) {
    if (chart == chart_) {
        return;
    }
    if (chart_) {
        chart_->RemoveTool(this);
    }
    chart_ = chart;
    if (chart_) {
        chart_->AddTool(this);
    }
}

TChartImageTool::TPlacement TChartImageTool::Placement() const {
    const TChart* chart = chart_ ? chart_ : Series ? Series->ParentChart() : nullptr;
    if (!Series || Series->Count() == 0 || !chart) {
        return {};
    }
    const int left = chart->BottomAxis.CalcPosValue(Series->MinXValue());
    const int right = chart->BottomAxis.CalcPosValue(Series->MaxXValue());
    const int smallestYRow = chart->LeftAxis.CalcPosValue(Series->MinYValue());
    const int largestYRow = chart->LeftAxis.CalcPosValue(Series->MaxYValue());
    const QRect rect(QPoint(std::min(left, right), std::min(smallestYRow, largestYRow)),
                     QPoint(std::max(left, right), std::max(smallestYRow, largestYRow)));
    return {rect, smallestYRow > largestYRow};
}

QRect TChartImageTool::CalcRect() const {
    return Placement().Rect;
}

const QImage& TChartImageTool::Prepared(bool mirrored) const {
    const QRgb transparentRgb = TransparentColor.rgba();
    if (!prepared_.isNull() && preparedKey_ == Picture.cacheKey() &&
        preparedTransparent_ == Transparent && preparedMirrored_ == mirrored &&
        (!Transparent || preparedColor_ == transparentRgb)) {
        return prepared_;
    }
    QImage image;
    if (Transparent) {
        image = Picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::replace(line, line + image.width(), transparentRgb, QRgb(0));
        }
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    } else {
        image = Picture.convertToFormat(
            Picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    prepared_ = mirrored ? image.mirrored(false, true) : image;
    preparedKey_ = Picture.cacheKey();
    preparedTransparent_ = Transparent;
    preparedColor_ = transparentRgb;
    preparedMirrored_ = mirrored;
    return prepared_;
}

void TChartImageTool::Paint(QPainter& p) const {
    if (!Active || Picture.isNull()) {
        return;
    }
    const TPlacement placement = Placement();
    const QRect target(placement.Rect.topLeft(),
                       QSize(placement.Rect.right() - placement.Rect.left(),
                             placement.Rect.bottom() - placement.Rect.top()));
    const QRect visible = target & VisibleArea(p);
    if (target.isEmpty() || visible.isEmpty()) {
        return;
    }
    const QImage& image = Prepared(VerticalFlip && placement.SmallestYAtBottom);
    if (visible == target) {
        p.drawImage(target, image);
        return;
    }
    // Zoomed in, the whole stretched picture can span far more pixels than a paint engine
    // handles, so only the picture pixels under the visible part are drawn, where they fall in
    // the whole. A copy rather than a source rectangle, because not every paint device honours
    // source rectangles.
    const TSpan xs = SourceSpan(visible.left(), visible.right() + 1, target.left(), target.width(),
                                image.width());
    const TSpan ys = SourceSpan(visible.top(), visible.bottom() + 1, target.top(), target.height(),
                                image.height());
    if (xs.Last <= xs.First || ys.Last <= ys.First) {
        return;
    }
    const QRectF part(xs.Origin + xs.First * xs.Scale, ys.Origin + ys.First * ys.Scale,
                      (xs.Last - xs.First) * xs.Scale, (ys.Last - ys.First) * ys.Scale);
    if (part.width() > LargestDrawnImage || part.height() > LargestDrawnImage) {
        FillCells(p, image, xs, ys, visible);
        return;
    }
    p.drawImage(part, image.copy(xs.First, ys.First, xs.Last - xs.First, ys.Last - ys.First));
}

} // namespace kalvero
