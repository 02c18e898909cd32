#include "model/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <set>

using namespace kalvero;

namespace {

struct TextCase {
    const char* Text;
    double Expected;
};

TEST(TextToNumber, ConversionSyntax) {
    const TextCase cases[] = {
        {"2,5", 2.5},
        {"2.5", 2.5},
        {" 12", 12},
        {"  -3", -3},
        {"+4", 4},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {".", 0},
        {"-.", 0},
        {".5", 0.5},
        {"5.", 5},
        {"1,5e1", 15},
        {"1,5,0", MissingValue},
        {"12 ", MissingValue},
        {"", MissingValue},
        {"   ", MissingValue},
        {"-", MissingValue},
        {"+", MissingValue},
        {"abc", MissingValue},
        {"1e", MissingValue},
        {"1e+", MissingValue},
        {"\t12", MissingValue},
        {"nan", MissingValue},
        {"inf", MissingValue},
        {"-inf", MissingValue},
        {"0x10", MissingValue},
        {"+-5", MissingValue},
        {"--5", MissingValue},
        {"1e400", MissingValue},
        {"-1e400", MissingValue},
        {"1.2.3", MissingValue},
        {"12abc", MissingValue},
        {"\xEF\xBB\xBF"
         "1",
         MissingValue},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToNumber(c.Text, true, 0, 0), c.Expected) << '"' << c.Text << '"';
}

TEST(TextToNumber, TinyValuesReadAsZeroNotAsUnreadable) {
    EXPECT_EQ(TextToNumber("1e-400", true, 0, 0), 0.0);
    EXPECT_EQ(TextToNumber("0.000001e-320", true, 0, 0), 0.0);
    EXPECT_GT(TextToNumber("1e-310", true, 0, 0), 0.0); // subnormal, still representable
    // Exponents too long for any integer type: the sign alone tells tiny from huge.
    EXPECT_EQ(TextToNumber("-1.5e-99999999999999999999", true, 0, 0), 0.0);
    EXPECT_EQ(TextToNumber("1.5e+99999999999999999999", true, 0, 0), MissingValue);
}

TEST(TextToNumber, Bounds) {
    struct BoundCase {
        const char* Text;
        bool Inclusive;
        double Lower, Upper, Expected;
    };
    const BoundCase cases[] = {
        {"10000", true, 0, 10000, 10000},
        {"10000.5", true, 0, 10000, MissingValue},
        {"-5", true, 0, 10000, -5},
        {"0", true, 0, 10000, 0},
        {"10000", false, 0, 10000, MissingValue},
        {"7", true, 5, 5, 7},
        {"0", true, 0, 0, 0},
        {"5", false, 5, 10, MissingValue},
        {"5", true, 5, 10, 5},
        {"4", true, 5, 0, MissingValue},
        {"123456789", true, 0, 0, MissingValue},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToNumber(c.Text, c.Inclusive, c.Lower, c.Upper), c.Expected)
            << c.Text << " [" << c.Lower << ", " << c.Upper << "] inclusive " << c.Inclusive;
}

TEST(NumberToText, AdaptiveDecimalsTable) {
    struct Case {
        double Value;
        const char* Extra0;
        const char* Extra1;
        const char* Extra3;
    };
    const Case cases[] = {
        {0.5, "0.5", "0.50", "0.5000"},
        {12.25, "12.3", "12.25", "12.2500"},
        {1234.5, "1234.5", "1234.50", "1234.5000"},
        {0.05, "0.05", "0.050", "0.05000"},
        {0.0012, "0.001", "0.0012", "0.001200"},
        {0, "0.0", "0.00", "0.0000"},
        {-3.75, "-3.8", "-3.75", "-3.7500"},
        {100, "100.0", "100.00", "100.0000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberToText(0, 1, c.Value), c.Extra0) << c.Value;
        EXPECT_EQ(NumberToText(1, 1, c.Value), c.Extra1) << c.Value;
        EXPECT_EQ(NumberToText(3, 1, c.Value), c.Extra3) << c.Value;
    }
}

TEST(NumberToText, ExactHalvesGoAwayFromZeroOthersToNearest) {
    EXPECT_EQ(NumberToText(2, 0, 0.125), "0.13");
    EXPECT_EQ(NumberToText(2, 0, -0.125), "-0.13");
    EXPECT_EQ(NumberToText(0, 0, 2.5), "3");
    EXPECT_EQ(NumberToText(0, 0, 0.5), "1");
    EXPECT_EQ(NumberToText(0, 1, 9.95), "9.9");    // 9.95 is stored just below the half
    EXPECT_EQ(NumberToText(0, 1, 99.95), "100.0"); // and 99.95 just above it
    EXPECT_EQ(NumberToText(0, 1, 9.75), "9.8");
    EXPECT_EQ(NumberToText(0, 1, 9.25), "9.3");
    EXPECT_EQ(NumberToText(0, 1, 999.96), "1000.0");
    EXPECT_EQ(NumberToText(0, 0, -0.2), "0");
}

TEST(NumberToText, MissingAndExtremes) {
    EXPECT_EQ(NumberToText(0, 1, MissingValue), "*");
    EXPECT_EQ(NumberToText(0, 1, 1e-5), "0.00001");
    EXPECT_EQ(NumberToText(0, 1, 1e20), "100000000000000000000.0");
    EXPECT_EQ(NumberToText(0, 1, std::nan("")), "*");
}

TEST(ExponentForm, Examples) {
    struct Case {
        double Value;
        const char* Text;
    };
    const Case cases[] = {
        {12.5, " 1.25000000000000E+0001"},
        {-25, "-2.50000000000000E+0001"},
        {0.05, " 5.00000000000000E-0002"},
        {0, " 0.00000000000000E+0000"},
        {-0.0, " 0.00000000000000E+0000"},
        {1e-300, " 1.00000000000000E-0300"},
        {1.7976931348623157e308, " 1.79769313486231E+0308"}, // not rounded up out of range
        {0.1 + 0.2, " 3.00000000000000E-0001"}, // 0.30000000000000004 rounds at 15 digits
        {123456789012345678.0, " 1.23456789012346E+0017"},
        {9.999999999999999, " 1.00000000000000E+0001"},
        // 2^44 + 0.5 is exactly a half at the 15th digit: away from zero, not to even.
        {17592186044416.5 * 10, " 1.75921860444165E+0014"},
        {1125899906842624.5, " 1.12589990684262E+0015"},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendExponentForm(out, c.Value);
        EXPECT_EQ(out, c.Text) << c.Value;
        EXPECT_EQ(out.size(), 23u);
    }
}

TEST(ExponentForm, ExactHalfRoundsAwayFromZero) {
    // 4503599627370497 = 2^52 + 1: 16 digits, exactly representable; half at the 16th digit when
    // scaled: 1.000000000000005 * 2^k forms are not exact, so use integers ending in 5.
    std::string out;
    AppendExponentForm(out, 1000000000000005.0); // 16 digits ending in 5: an exact half
    EXPECT_EQ(out, " 1.00000000000001E+0015");
    out.clear();
    AppendExponentForm(out, -1000000000000025.0);
    EXPECT_EQ(out, "-1.00000000000003E+0015");
    out.clear();
    AppendExponentForm(out, 9999999999999995.0); // carries into a new digit
    EXPECT_EQ(out, " 1.00000000000000E+0016");
}

TEST(ExponentForm, ReadsBackWithinFifteenDigits) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 2000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        std::string out;
        AppendExponentForm(out, value);
        const double back = TextToNumber(out, true, 0, 0);
        EXPECT_NEAR(back, value, std::fabs(value) * 5.1e-15) << out;
    }
}

TEST(ExponentForm, LargestNumbersReadBack) {
    // Rounded up at the 15th digit these would lie beyond the range of a double.
    const double largest = std::numeric_limits<double>::max();
    for (double value : {largest, -largest, std::nextafter(largest, 0.0), 1.797693134862315e308,
                         1.79769313486231e308}) {
        std::string out;
        AppendExponentForm(out, value);
        const double back = TextToNumber(out, true, 0, 0);
        EXPECT_NE(back, MissingValue) << out;
        EXPECT_NEAR(back, value, std::fabs(value) * 5.1e-15) << out;
    }
}

TEST(SplitToDoubles, ItemsSkipAndFailures) {
    struct Case {
        const char* Line;
        int Skip;
        arofdoubleM Expected;
    };
    const Case cases[] = {
        {"  1\t2   3 ", 0, {1, 2, 3}},
        {"  1\t2   3 ", 1, {2, 3}},
        {"x 1,5 y 2", 0, {1.5, 2}},
        {"x 1,5 y 2", 2, {2}},
        {"", 0, {}},
        {"1;2", 0, {}},
        {"1,2", 0, {1.2}},
        {"150 abc 7", 0, {150, 7}},
        {"nan 1e400 4", 0, {4}},
    };
    for (const auto& c : cases) {
        arofdoubleM values = {99}; // emptied first in every case
        SplitToDoubles(c.Line, c.Skip, values);
        EXPECT_EQ(values, c.Expected) << '"' << c.Line << "\" skip " << c.Skip;
    }
}

TEST(SplitToIntegers, RoundsHalfToEvenAndSaturates) {
    arofintM values;
    SplitToIntegers("9 16777215 2,5", 0, values);
    EXPECT_EQ(values, (arofintM{9, 16777215, 2}));
    SplitToIntegers("3.5 -2.5 -3.5 0.49 1e12 -1e12", 0, values);
    EXPECT_EQ(values, (arofintM{4, -2, -4, 0, 2147483647, -2147483647 - 1}));
}

TEST(FillFlags, SetsEveryElement) {
    arofboolM flags(3, 0);
    FillFlags(flags, true);
    EXPECT_EQ(flags, (arofboolM{1, 1, 1}));
    arofboolM empty;
    FillFlags(empty, true);
    EXPECT_TRUE(empty.empty());
}

TEST(CountNonMissing, CountsPresentValues) {
    EXPECT_EQ(CountNonMissing({}), 0);
    EXPECT_EQ(CountNonMissing({1, MissingValue, 3}), 2);
}

TEST(RobustMean, SmallCases) {
    const double above13 = std::nextafter(1.3, 2.0);
    struct Case {
        arofdoubleM Values;
        double Expected;
    };
    const Case cases[] = {
        {{}, MissingValue},
        {{MissingValue, MissingValue}, MissingValue},
        {{MissingValue, 4.5, MissingValue}, 4.5},
        {{0.1, 0.1, 0.1}, 0.1},
        {{1, 2, 3, 4, 5}, 3},
        {{1, 1, 1, 1, 100}, 1},                      // the outlier is rejected
        {{10, 10, MissingValue, 10, -1000, 10}, 10}, // missing values never count
        // The sum overflows; the mean does not.
        {{std::ldexp(1.5, 1023), std::ldexp(1.75, 1023)}, std::ldexp(1.625, 1023)},
        // The rounded sum of nearly equal values would put their mean above them all.
        {{1.3, 1.3, 1.3, above13, above13, above13}, above13},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RobustMean(c.Values), c.Expected);
}

TEST(RobustMean, FewOutliersDoNotPullTheCentre) {
    std::mt19937 random(3);
    std::normal_distribution<double> noise(50, 2);
    arofdoubleM values(10000);
    for (double& v : values)
        v = noise(random);
    const double clean = std::accumulate(values.begin(), values.end(), 0.0) / values.size();
    for (int i = 0; i < 20; ++i)
        values[i * 37] = 1e6; // spikes, as from a bad sensor
    EXPECT_NEAR(RobustMean(values), clean, 0.1);
}

TEST(RobustMean, CleanDataKeepsItsPlainMean) {
    arofdoubleM values;
    for (int i = 0; i < 101; ++i)
        values.push_back(i);
    EXPECT_DOUBLE_EQ(RobustMean(values), 50.0);
}

} // namespace

namespace {

// The passes written out plainly: a fresh mean over the counted values each pass, the farthest
// value (lowest index among equals) rejected, and the same stop rule. Quadratic, for checking.
double PlainRobustMean(const arofdoubleM& values) {
    arofdoubleM present;
    for (double v : values)
        if (v != MissingValue)
            present.push_back(v);
    if (present.empty())
        return MissingValue;
    arofdoubleM sorted = present;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    arofdoubleM deviations;
    for (double v : sorted)
        deviations.push_back(std::fabs(v - median));
    std::sort(deviations.begin(), deviations.end());
    const double threshold = 3.0 * 1.4826 * deviations[n / 2];
    arofboolM counted(values.size(), 0);
    for (size_t i = 0; i < values.size(); ++i)
        counted[i] = values[i] != MissingValue;
    size_t count = n;
    for (;;) {
        double sum = 0;
        for (size_t i = 0; i < values.size(); ++i)
            if (counted[i])
                sum += values[i];
        const double mean = sum / count;
        std::set<double> distinct;
        for (size_t i = 0; i < values.size(); ++i)
            if (counted[i])
                distinct.insert(values[i]);
        if (distinct.size() == 1)
            return *distinct.begin();
        if (count == 1 || n - count >= (n - 1) / 2)
            return mean;
        double best = 0;
        size_t taken = values.size();
        for (size_t i = 0; i < values.size(); ++i)
            if (counted[i] && std::fabs(values[i] - mean) > best) {
                best = std::fabs(values[i] - mean);
                taken = i;
            }
        if (best <= threshold)
            return mean;
        counted[taken] = 0;
        --count;
    }
}

TEST(RobustMean, AgreesWithThePlainPasses) {
    std::mt19937 random(17);
    for (int round = 0; round < 300; ++round) {
        const size_t n = 1 + random() % (round < 200 ? 40 : 3000);
        arofdoubleM values(n);
        const int levels = 1 + static_cast<int>(random() % 12); // few levels: many ties
        for (double& v : values) {
            const int pick = static_cast<int>(random() % 20);
            v = pick == 0  ? MissingValue
                : pick < 3 ? 1000.0 * (random() % 5) - 2000 // outliers on both sides
                           : static_cast<double>(random() % levels);
        }
        const double expected = PlainRobustMean(values);
        const double actual = RobustMean(values);
        if (expected == MissingValue)
            EXPECT_EQ(actual, MissingValue);
        else
            EXPECT_NEAR(actual, expected, 1e-9 * (1 + std::fabs(expected))) << "round " << round;
    }
}

} // namespace
