#include "chart/axis.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <utility>

namespace kalvero {

namespace {

constexpr double SmallestRange = 1e-10;
// Free pixels between the texts of two neighbouring labels.
constexpr int LabelTextGap = 4;
// A step exactly LabelsSeparation pixels long may come out a hair shorter in floating point.
constexpr double SeparationTolerance = 1e-9;

double PowerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

} // namespace

QFont DefaultChartFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

TChartAxis::TChartAxis(bool horizontal, const QFont* labelFont)
    : horizontal_(horizontal), labelFont_(labelFont) {}

void TChartAxis::SetMinMax(double minimum, double maximum) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) {
        return;
    }
    if (minimum > maximum) {
        std::swap(minimum, maximum);
    }
    if (maximum - minimum < SmallestRange) {
        maximum = minimum + SmallestRange;
        // Far from zero the sum rounds back to minimum; an empty range would make every mapping
        // divide by zero, so the axis keeps the smallest range a double can hold there.
        if (maximum <= minimum) {
            maximum = std::nextafter(minimum, HUGE_VAL);
        }
    }
    minimum_ = minimum;
    maximum_ = maximum;
}

void TChartAxis::SetPixelRange(int startPos, int endPos) {
    startPos_ = startPos;
    endPos_ = endPos;
}

TChartAxis::TMapping TChartAxis::Mapping() const {
    TMapping mapping;
    mapping.Minimum = minimum_;
    const double pixelsPerValue = double(endPos_ - startPos_) / (maximum_ - minimum_);
    // Pixel rows grow downwards, so a vertical axis runs against its pixels unless inverted.
    const bool reversed = horizontal_ == Inverted;
    mapping.StartPixel = reversed ? endPos_ : startPos_;
    mapping.PixelsPerValue = reversed ? -pixelsPerValue : pixelsPerValue;
    return mapping;
}

double TChartAxis::CalcPosPoint(int pixel) const {
    const TMapping mapping = Mapping();
    if (mapping.PixelsPerValue == 0 || !std::isfinite(mapping.PixelsPerValue)) {
        return minimum_;
    }
    return minimum_ + (pixel - mapping.StartPixel) / mapping.PixelsPerValue;
}

double TChartAxis::TStep::Value() const {
    return Mantissa * PowerOfTen(Exponent);
}

TChartAxis::TStep TChartAxis::TStep::Next() const {
    if (Mantissa == 1) {
        return {2, Exponent};
    }
    if (Mantissa == 2) {
        return {5, Exponent};
    }
    return {1, Exponent + 1};
}

TChartAxis::TStep TChartAxis::ChooseStep() const {
    const double pixels = std::abs(endPos_ - startPos_);
    const double pixelsPerValue = pixels / (maximum_ - minimum_);
    const TStep none{0, 0};
    if (pixels < 1 || !(pixelsPerValue > 0) || !std::isfinite(pixelsPerValue)) {
        return none;
    }
    const double separation = std::max(1, LabelsSeparation) * (1 - SeparationTolerance);
    // A finer step would not give distinct doubles at the ends of the range.
    const double finest = std::max(std::abs(minimum_), std::abs(maximum_)) * 1e-14;
    const double wanted = std::max(separation / pixelsPerValue, finest);
    TStep step{1, int(std::floor(std::log10(wanted)))};
    while (step.Value() * pixelsPerValue < separation || step.Value() < finest) {
        step = step.Next();
    }
    // Wider texts need a wider step, which can change the texts; a few rounds settle it.
    for (int round = 0; round < 16; ++round) {
        if (!std::isfinite(step.Value())) {
            return none;
        }
        if (step.Value() * pixelsPerValue >= LargestTextExtent(step) + LabelTextGap) {
            return step;
        }
        step = step.Next();
    }
    return step;
}

std::vector<double> TChartAxis::ValuesFor(TStep step) const {
    std::vector<double> values;
    const double stepValue = step.Value();
    if (!(stepValue > 0) || !std::isfinite(stepValue)) {
        return values;
    }
    // Multiples are formed as integer times mantissa over a power of ten so that 0.3 is the
    // double nearest 0.3, not 3 * 0.1.
    const double scale = PowerOfTen(std::abs(step.Exponent));
    const auto valueOf = [&](double k) {
        const double multiple = k * step.Mantissa;
        return (step.Exponent < 0 ? multiple / scale : multiple * scale) + 0.0;
    };
    const double first = std::ceil(minimum_ / stepValue) - 1;
    const double last = std::floor(maximum_ / stepValue) + 1;
    for (double k = first; k <= last; ++k) {
        const double value = valueOf(k);
        if (value >= minimum_ && value <= maximum_) {
            values.push_back(value);
        }
    }
    return values;
}

QString TChartAxis::TextFor(double value, TStep step) const {
    if (step.Exponent >= 15 || step.Exponent <= -15) {
        return QString::number(value, 'g', 15);
    }
    return QString::number(value, 'f', std::max(0, -step.Exponent));
}

int TChartAxis::LargestTextExtent(TStep step) const {
    const QFontMetrics metrics(labelFont_ ? *labelFont_ : DefaultChartFont());
    if (!horizontal_) {
        return metrics.height();
    }
    int widest = 0;
    for (const double value : ValuesFor(step)) {
        widest = std::max(widest, metrics.horizontalAdvance(TextFor(value, step)));
    }
    return widest;
}

std::vector<TChartAxis::TLabel> TChartAxis::Labels() const {
    const TStep step = ChooseStep();
    std::vector<TLabel> labels;
    for (const double value : ValuesFor(step)) {
        labels.push_back({value, TextFor(value, step)});
    }
    return labels;
}

std::vector<double> TChartAxis::LabelValues() const {
    return ValuesFor(ChooseStep());
}

double TChartAxis::LabelStep() const {
    return ChooseStep().Value();
}

QString TChartAxis::LabelText(double value) const {
    return TextFor(value, ChooseStep());
}

} // namespace kalvero
