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
// so the values are sorted once and each pass looks at the two ends of the counted range and
// updates a running sum: O(n log n) for all passes together, whatever the number of rejections.
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kalvero {

namespace {

struct Sample {
    double Value;
    uint32_t Index;
};

double MedianAbsoluteDeviation(const std::vector<Sample>& sorted) {
    const size_t n = sorted.size();
    const double median =
        n % 2 ? sorted[n / 2].Value : (sorted[n / 2 - 1].Value + sorted[n / 2].Value) / 2;
    std::vector<double> deviations(n);
    for (size_t i = 0; i < n; ++i)
        deviations[i] = std::fabs(sorted[i].Value - median);
    std::nth_element(deviations.begin(), deviations.begin() + n / 2, deviations.end());
    return deviations[n / 2];
}

// The counted values are sorted[Low, TopStart) and sorted[TopFront, End): the run of values equal
// to the largest one is [TopStart, End), and its members are rejected lowest index first, which
// (runs being sorted by index) means from its front.
class CountedRange {
public:
    explicit CountedRange(const std::vector<Sample>& sorted) : Sorted(sorted), End(sorted.size()) {
        FindTopRun();
    }
    const Sample& Lowest() const { return Sorted[Low]; }
    const Sample& Highest() const { return Sorted[TopFront]; }
    bool AllEqual() const { return Low >= TopStart || Lowest().Value == Highest().Value; }
    void RejectLowest() { ++Low; }
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
        while (TopStart > Low && Sorted[TopStart - 1].Value == Sorted[End - 1].Value)
            --TopStart;
        TopFront = TopStart;
    }
    const std::vector<Sample>& Sorted;
    size_t Low = 0, TopStart = 0, TopFront = 0, End;
};

} // namespace

double RobustMean(const arofdoubleM& values) {
    if (CountNonMissing(values) == 0)
        return MissingValue;
    std::vector<Sample> sorted;
    sorted.reserve(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        if (values[i] != MissingValue)
            sorted.push_back({values[i], static_cast<uint32_t>(i)});
    std::sort(sorted.begin(), sorted.end(), [](const Sample& a, const Sample& b) {
        return a.Value < b.Value || (a.Value == b.Value && a.Index < b.Index);
    });

    const size_t present = sorted.size();
    const double threshold = 3.0 * 1.4826 * MedianAbsoluteDeviation(sorted);
    const size_t mostRejections = (present - 1) / 2;
    CountedRange range(sorted);
    long double sum = 0;
    for (const Sample& s : sorted)
        sum += s.Value;
    size_t count = present;

    while (count > 1 && !range.AllEqual() && present - count < mostRejections) {
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
    if (range.AllEqual())
        return range.Highest().Value;

    // The result is the plain mean of the values kept, summed in their original order.
    arofboolM kept(values.size());
    FillFlags(kept, false);
    range.ForEachCounted([&](const Sample& s) { kept[s.Index] = 1; });
    double total = 0;
    for (size_t i = 0; i < values.size(); ++i)
        if (kept[i])
            total += values[i];
    return total / static_cast<double>(count);
}

} // namespace kalvero
