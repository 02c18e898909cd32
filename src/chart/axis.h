#pragma once

#include <QFont>
#include <QString>
#include <vector>

namespace kalvero {

// Pixel positions are clamped to this range so that points far outside the view still give
// usable integer coordinates (the painter clips them in floating point) and the difference of
// two positions cannot overflow an int.
inline constexpr int PixelLimit = 1000000000;

// Rounds a pixel position to the nearest whole pixel (an exact half upwards), clamped to
// +-PixelLimit; NaN gives -PixelLimit. Inline and free of library calls, as painting converts
// every point of every series with it.
inline int RoundPixel(double position) {
    if (!(position > -PixelLimit)) {
        return -PixelLimit;
    }
    if (position > PixelLimit) {
        return PixelLimit;
    }
    const double shifted = position + 0.5;
    const int truncated = static_cast<int>(shifted);
    return truncated > shifted ? truncated - 1 : truncated;
}

// The labels' font unless told otherwise. A pixel size, not a point size, so that a picture has
// the same layout on every screen and device resolution.
QFont DefaultChartFont();

// One axis of the chart: the value range shown and its mapping to pixel columns (horizontal) or
// rows (vertical). The pixel range comes from the chart's last layout.
class TChartAxis {
public:
    // The linear mapping of one layout, taken once by painting code that converts many values.
    struct TMapping {
        double StartPixel = 0; // the pixel of Minimum
        double Minimum = 0;
        double PixelsPerValue = 0; // negative where the pixels run against the values
        int Pixel(double value) const { return RoundPixel(Position(value)); }
        double Position(double value) const {
            return StartPixel + (value - Minimum) * PixelsPerValue;
        }
    };

    // labelFont is the font the labels are measured with; it must outlive the axis (the chart
    // passes its own). Without one a default font is used.
    explicit TChartAxis(bool horizontal, const QFont* labelFont = nullptr);

    // Switches automatic scaling off for good: the range stays until set again. Non-finite
    // values are ignored, as they have no place on a drawn axis.
    void SetMinMax(double minimum, double maximum);
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }

    // Vertical axis: Minimum at the top. Horizontal axis: Minimum at the right.
    bool Inverted = false;
    // Percent of the plot's width (horizontal) or height (vertical, from the top) where the axis
    // begins and ends.
    double StartPosition = 0;
    double EndPosition = 100;
    // Smallest distance in pixels between two value labels.
    int LabelsSeparation = 30;

    bool Horizontal() const { return horizontal_; }

    // Set by the chart's layout: the first and last pixel of the axis, left to right or top to
    // bottom.
    void SetPixelRange(int startPos, int endPos);
    int IStartPos() const { return startPos_; }
    int IEndPos() const { return endPos_; }

    TMapping Mapping() const;
    int CalcPosValue(double value) const { return Mapping().Pixel(value); }
    // The value at a pixel; Minimum when the axis has no pixel extent.
    double CalcPosPoint(int pixel) const;

    struct TLabel {
        double Value;
        QString Text;
    };

    // The labels as drawn, each value with its text, computed in one go.
    std::vector<TLabel> Labels() const;
    // Values for labels: multiples of the label step inside the range, in ascending order.
    std::vector<double> LabelValues() const;
    // 1, 2 or 5 times a power of ten: the smallest such step whose labels lie LabelsSeparation
    // pixels apart and leave room between their texts; 0 when the axis has no pixel extent.
    double LabelStep() const;
    // A label as drawn: as many decimals as the label step needs.
    QString LabelText(double value) const;

private:
    struct TStep {
        int Mantissa; // 1, 2 or 5
        int Exponent;
        double Value() const;
        TStep Next() const;
    };

    TStep ChooseStep() const;
    std::vector<double> ValuesFor(TStep step) const;
    QString TextFor(double value, TStep step) const;
    int LargestTextExtent(TStep step) const;

    bool horizontal_;
    const QFont* labelFont_;
    double minimum_ = 0;
    double maximum_ = 100;
    int startPos_ = 0;
    int endPos_ = 0;
};

} // namespace kalvero
