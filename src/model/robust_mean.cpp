// The robust mean that centres carotage curves.
//
// Each pass takes the mean of the values still counted and rejects the one farthest from it
// (among equally far ones, the one with the lowest index). Passes stop when
//   - one value is left, or every value left equals the others (none is farther than another),
//   - the farthest value lies within three robust standard deviations of the mean, the robust
//     standard deviation being 1.4826 times the median absolute deviation from the median of all
//     present values (computed once; it is what a few outliers cannot inflate), or
//   - fewer than half of the present values would remain after one more rejection.
// So a few wild samples are rejected and stop pulling the centre, while a clean curve keeps
// nearly all its values and its plain mean.
//
// The farthest value from any mean is always the smallest or the largest of those still counted,
// so each pass looks at the two ends of the counted range in sorted order and updates a running
// sum. Only the ends are ever looked at, so only the k smallest and k largest values are put in
// order (selection is linear); when the passes reach past them, k grows fourfold and they start
// again. Typical curves finish with the first k: linear time; in every case O(n log n).
#include "model/numbers.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace kalvero {

namespace {

struct Sample {
    double Value;
    uint32_t Index;
};

// A lambda rather than a function, so that the sorting algorithms inline it.
constexpr auto Before = [](const Sample& a, const Sample& b) {
    return a.Value < b.Value || (a.Value == b.Value && a.Index < b.Index);
};

// The value at sorted position i (0-based) of values, by selection.
double Select(std::vector<double>& values, size_t i) {
    std::nth_element(values.begin(), values.begin() + static_cast<long>(i), values.end());
    return values[i];
}

double MedianAbsoluteDeviation(const std::vector<Sample>& samples) {
    const size_t n = samples.size();
    std::vector<double> values(n);
    for (size_t i = 0; i < n; ++i)
        values[i] = samples[i].Value;
    double median = Select(values, n / 2);
    if (n % 2 == 0)
        median = (median + *std::max_element(values.begin(), values.begin() + n / 2)) / 2;
    for (double& v : values)
        v = std::fabs(v - median);
    return Select(values, n / 2);
}

// The counted values are sorted[Low, TopStart) and sorted[TopFront, End): the run of values equal
// to the largest one is [TopStart, End), and its members are rejected lowest index first, which
// (runs being sorted by index) means from its front.
//
// Only sorted[0, LowValid) and sorted[HighValid, n) are in order; a step that would look between
// them sets Overflow, and the caller starts again with more values in order.
class CountedRange {
public:
    CountedRange(const std::vector<Sample>& sorted, size_t lowValid, size_t highValid)
        : Sorted(sorted), LowValid(lowValid), HighValid(highValid), End(sorted.size()) {
        FindTopRun();
    }
    bool Overflow() const { return Overflowed; }
    const Sample& Lowest() const { return Sorted[Low]; }
    const Sample& Highest() const { return Sorted[TopFront]; }
    bool AllEqual() const { return Low >= TopStart || Lowest().Value == Highest().Value; }
    void RejectLowest() {
        if (++Low >= LowValid && Low < TopStart)
            Overflowed = true;
    }
    void RejectHighest() {
        if (++TopFront == End) {
            End = TopStart;
            FindTopRun();
        }
    }
    template <typename Visit> void ForEachCounted(Visit&& visit) const {
        for (size_t i = Low; i < TopStart; ++i)
            visit(Sorted[i]);
        for (size_t i = std::max(TopFront, Low); i < End; ++i)
            visit(Sorted[i]);
    }

private:
    void FindTopRun() {
        TopStart = End;
        if (End <= HighValid && End > Low) {
            Overflowed = true;
            return;
        }
        while (TopStart > Low && Sorted[TopStart - 1].Value == Sorted[End - 1].Value) {
            if (TopStart - 1 < HighValid && TopStart - 1 >= LowValid) {
                Overflowed = true;
                return;
            }
            --TopStart;
        }
        TopFront = TopStart;
    }
    const std::vector<Sample>& Sorted;
    size_t LowValid, HighValid;
    bool Overflowed = false;
    size_t Low = 0, TopStart = 0, TopFront = 0, End;
};

} // namespace

namespace {

// The plain mean of the values kept, summed in their original order. Values near the limits of a
// double can make that sum overflow; then every value is scaled down by a power of two at least
// as large as the count, which keeps the sum finite, and the mean scaled back up. The rounding of
// a sum can put the mean of nearly equal values a unit in the last place outside them, hence the
// clamp: a centre never lies beyond the values it centres.
double MeanOfKept(const arofdoubleM& values, const arofboolM& kept, size_t count, double lowest,
                  double highest) {
    double total = 0;
    for (size_t i = 0; i < values.size(); ++i)
        if (kept[i])
            total += values[i];
    double mean = total / static_cast<double>(count);
    if (!std::isfinite(total)) {
        const int shift = static_cast<int>(std::bit_width(count));
        double scaled = 0;
        for (size_t i = 0; i < values.size(); ++i)
            if (kept[i])
                scaled += std::ldexp(values[i], -shift);
        mean = std::ldexp(scaled / static_cast<double>(count), shift);
    }
    return std::clamp(mean, lowest, highest);
}

struct Passes {
    bool Overflowed = false;
    double Result = 0;
};

// The passes over samples whose k smallest and k largest are in order (all of them for k >= n/2).
Passes RunPasses(const arofdoubleM& values, std::vector<Sample>& samples, size_t k,
                 double threshold) {
    const size_t present = samples.size();
    if (2 * k >= present) {
        std::sort(samples.begin(), samples.end(), Before);
        k = present;
    } else {
        const auto low = samples.begin() + static_cast<long>(k);
        const auto high = samples.end() - static_cast<long>(k);
        std::nth_element(samples.begin(), low, samples.end(), Before);
        std::nth_element(low, high, samples.end(), Before);
        std::sort(samples.begin(), low, Before);
        std::sort(high, samples.end(), Before);
    }
    CountedRange range(samples, k, present - std::min(k, present));
    const size_t mostRejections = (present - 1) / 2;
    long double sum = 0;
    for (const Sample& s : samples)
        sum += s.Value;
    size_t count = present;
    while (!range.Overflow() && count > 1 && !range.AllEqual() &&
           present - count < mostRejections) {
        const double mean = static_cast<double>(sum / count);
        const double low = std::fabs(range.Lowest().Value - mean);
        const double high = std::fabs(range.Highest().Value - mean);
        const bool takeLow =
            low > high || (low == high && range.Lowest().Index < range.Highest().Index);
        if (std::max(low, high) <= threshold)
            break;
        sum -= takeLow ? range.Lowest().Value : range.Highest().Value;
        --count;
        takeLow ? range.RejectLowest() : range.RejectHighest();
    }
    if (range.Overflow())
        return {true, 0};
    if (range.AllEqual())
        return {false, range.Highest().Value};
    arofboolM kept(values.size());
    FillFlags(kept, false);
    range.ForEachCounted([&](const Sample& s) { kept[s.Index] = 1; });
    return {false, MeanOfKept(values, kept, count, range.Lowest().Value, range.Highest().Value)};
}

} // namespace

double RobustMean(const arofdoubleM& values) {
    if (CountNonMissing(values) == 0)
        return MissingValue;
    std::vector<Sample> samples;
    samples.reserve(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        if (values[i] != MissingValue)
            samples.push_back({values[i], static_cast<uint32_t>(i)});
    const double threshold = 3.0 * 1.4826 * MedianAbsoluteDeviation(samples);
    for (size_t k = 64;; k *= 4) {
        const Passes passes = RunPasses(values, samples, k, threshold);
        if (!passes.Overflowed)
            return passes.Result;
    }
}

} // namespace kalvero
