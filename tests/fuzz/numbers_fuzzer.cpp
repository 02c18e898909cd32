// The number helpers, against what each of them promises.
//
// Input: read as text (a line of items, as the readers see it) and as raw doubles (every 8 bytes),
// so that values no text gives (denormals, neighbours of the limits, NaN, infinities) reach the
// writers and the rounding. The first bytes also pick NumberToText's arguments and the item at
// which ForEachItem is told to stop.
#include "fuzz_support.h"
#include "model/numbers.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace kalvero {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view s, size_t i) {
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return i;
}

// The plain decimal syntax: a sign, digits with an optional point (or a point alone, which reads
// as 0), and an optional exponent with at least one digit.
bool IsPlainDecimal(std::string_view s) {
    const size_t start = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    size_t i = SkipDigits(s, start);
    if (i < s.size() && s[i] == '.')
        i = SkipDigits(s, i + 1);
    else if (i == start)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const size_t exponentEnd = SkipDigits(s, i);
        if (exponentEnd == i)
            return false;
        i = exponentEnd;
    }
    return i == s.size();
}

// ConvertItem against strtod, which the fuzzers run in the C locale.
void CheckConvertItem(std::string_view item) {
    double value = 0;
    const bool converted = ConvertItem(item, value);
    std::string plain(item);
    if (const size_t comma = plain.find(','); comma != std::string::npos)
        plain[comma] = '.';
    plain.erase(0, plain.find_first_not_of(' '));
    if (plain.empty() || !IsPlainDecimal(plain)) {
        FuzzCheck(!converted, "ConvertItem accepts only the plain decimal syntax");
        return;
    }
    const std::string_view mantissa = std::string_view(plain).substr(0, plain.find_first_of("eE"));
    if (mantissa.find_first_of("0123456789") == std::string_view::npos) {
        FuzzCheck(converted && value == 0, "a point without digits reads as 0");
        return;
    }
    errno = 0;
    char* end = nullptr;
    const double reference = std::strtod(plain.c_str(), &end);
    const bool outOfRange = errno == ERANGE;
    FuzzCheck(end == plain.c_str() + plain.size(), "strtod reads the whole plain decimal");
    if (outOfRange && std::isinf(reference)) {
        FuzzCheck(!converted, "a value beyond the range of a double is unreadable");
        return;
    }
    FuzzCheck(converted, "a plain decimal within the range of a double converts");
    FuzzCheck(value == reference || (outOfRange && value == 0), "the converted value");
}

// ForEachItem, SplitToDoubles and SplitToIntegers against the line cut into items by hand.
void CheckItems(std::string_view line, int stopAfter) {
    std::vector<std::string_view> items;
    for (size_t i = 0; i < line.size();) {
        const size_t start = line.find_first_not_of(" \t", i);
        if (start == std::string_view::npos)
            break;
        const size_t end = std::min(line.find_first_of(" \t", start), line.size());
        items.push_back(line.substr(start, end - start));
        i = end;
    }
    arofdoubleM converted;
    int visits = 0;
    ForEachItem(line, [&](int index, bool ok, double value) {
        FuzzCheck(index == visits && static_cast<size_t>(index) < items.size(),
                  "ForEachItem visits the items in order");
        double expected = 0;
        FuzzCheck(ok == ConvertItem(items[index], expected) &&
                      (!ok || (value == expected && std::signbit(value) == std::signbit(expected))),
                  "ForEachItem converts an item as ConvertItem does");
        CheckConvertItem(items[index]);
        if (ok)
            converted.push_back(value);
        return visits++ < stopAfter;
    });
    FuzzCheck(static_cast<size_t>(visits) == std::min(items.size(), size_t(stopAfter) + 1),
              "ForEachItem stops when told to");

    const int skip = stopAfter % 4;
    arofdoubleM doubles;
    SplitToDoubles(line, skip, doubles);
    arofintM integers;
    SplitToIntegers(line, skip, integers);
    FuzzCheck(doubles.size() == integers.size(), "SplitToIntegers keeps what SplitToDoubles does");
    for (size_t i = 0; i < doubles.size(); ++i)
        FuzzCheck(integers[i] == RoundToInt32(doubles[i]), "SplitToIntegers rounds");
}

void CheckRounding(double value) {
    const double rounded = RoundHalfEven(value);
    const int32_t integer = RoundToInt32(value);
    if (std::isnan(value)) {
        FuzzCheck(integer == 0, "NaN rounds to 0");
        return;
    }
    if (std::isinf(value)) {
        FuzzCheck(integer == (value > 0 ? std::numeric_limits<int32_t>::max()
                                        : std::numeric_limits<int32_t>::min()),
                  "an infinity saturates");
        return;
    }
    FuzzCheck(rounded == std::floor(rounded) && std::fabs(rounded - value) <= 0.5,
              "RoundHalfEven gives the nearest integer");
    if (std::fabs(rounded - value) == 0.5)
        FuzzCheck(std::fmod(rounded, 2.0) == 0, "an exact half goes to the even neighbour");
    const double saturated = std::clamp(rounded, -2147483648.0, 2147483647.0);
    FuzzCheck(integer == static_cast<int32_t>(saturated), "RoundToInt32 saturates");
}

std::string ExponentText(double value) {
    std::string text;
    AppendExponentForm(text, value);
    return text;
}

// The exponent form of a finite number reads back, through ConvertItem and through the readers'
// path, to a number with the same exponent form.
void CheckExponentForm(double value) {
    const std::string text = ExponentText(value);
    if (!std::isfinite(value)) {
        FuzzCheck(text == ExponentText(MissingValue), "a non-finite number is kept as missing");
        return;
    }
    FuzzCheck(text.size() == 23 && (text[0] == ' ' || text[0] == '-') && text[2] == '.' &&
                  text[17] == 'E' && (text[18] == '+' || text[18] == '-'),
              "the exponent form's layout");
    double back = 0;
    FuzzCheck(ConvertItem(text, back), "the exponent form of a finite number reads back");
    // Half a unit of the 15th digit, and the rounding of the text to the nearest double.
    const double allowed = std::fabs(value) * (5e-15 + 2 * std::numeric_limits<double>::epsilon());
    FuzzCheck(std::fabs(back - value) <= allowed || std::fpclassify(value) == FP_SUBNORMAL,
              "the exponent form keeps 15 significant digits");
    FuzzCheck(ExponentText(back) == text, "the exponent form of what it reads back is the same");
    const std::string line = text + " " + text + " 0 0";
    int count = 0;
    ForEachNumber(line, [&](double item) {
        FuzzCheck(item == back || count >= 2, "the readers read the exponent form alike");
        return ++count < 4;
    });
    FuzzCheck(count == 4, "a data line of exponent forms holds four numbers");
}

void CheckNumberToText(int extra, uint8_t adaptive, double value) {
    const std::string text = NumberToText(extra, adaptive, value);
    if (value == MissingValue || !std::isfinite(value)) {
        FuzzCheck(text == "*", "a missing number shows as *");
        return;
    }
    double back = 0;
    FuzzCheck(ConvertItem(text, back), "NumberToText's text reads back");
    FuzzCheck(text.find_first_of("eE,+") == std::string::npos, "NumberToText writes fixed point");
    FuzzCheck(text[0] != '-' || back != 0, "a number shown as zero shows no sign");
    // Half a unit of the last decimal: with adaptive decimals at most 0.5 * 10^-extra of the
    // value, otherwise 0.5 * 10^-extra; the text's own reading adds a rounding of its own.
    const double unitHalf = 0.5 * std::pow(10.0, -extra);
    const double allowed = (adaptive == 1 ? unitHalf * std::fabs(value) : unitHalf) * (1 + 1e-9) +
                           2 * std::numeric_limits<double>::denorm_min() +
                           std::fabs(value) * std::numeric_limits<double>::epsilon();
    FuzzCheck(std::fabs(back - value) <= allowed, "NumberToText rounds to its decimals");
}

void CheckRobustMean(const arofdoubleM& values) {
    const double mean = RobustMean(values);
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    for (double v : values)
        if (v != MissingValue) {
            lowest = std::min(lowest, v);
            highest = std::max(highest, v);
        }
    if (lowest > highest)
        FuzzCheck(mean == MissingValue, "no present value: the mean is missing");
    else
        FuzzCheck(mean >= lowest && mean <= highest, "the mean lies within the present values");
}

void CheckText(std::string_view text, int extra, uint8_t adaptive, int stopAfter) {
    CheckConvertItem(text);
    double value = 0;
    const bool converted = ConvertItem(text, value);
    const double bounded = TextToNumber(text, true, -1000, 1000);
    FuzzCheck(bounded == MissingValue || (converted && bounded == value),
              "TextToNumber gives the converted value or the missing marker");
    CheckItems(text, stopAfter);
    arofdoubleM values;
    SplitToDoubles(text, 0, values);
    for (double v : values) {
        CheckExponentForm(v);
        CheckNumberToText(extra, adaptive, v);
    }
    CheckRobustMean(values);
}

void CheckRawDoubles(const uint8_t* data, size_t size, int extra, uint8_t adaptive) {
    arofdoubleM finite;
    for (size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double value;
        std::memcpy(&value, data + at, sizeof value);
        CheckRounding(value);
        CheckExponentForm(value);
        CheckNumberToText(extra, adaptive, value);
        // Values reach the mean from files, and no file gives NaN or an infinity.
        if (std::isfinite(value))
            finite.push_back(value);
    }
    CheckRobustMean(finite);
}

} // namespace

} // namespace kalvero

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kalvero;
    const int extra = size > 0 ? data[0] % 8 : 0;
    const uint8_t adaptive = size > 1 ? data[1] % 3 : 1;
    const int stopAfter = size > 2 ? data[2] % 16 : 0;
    CheckText(AsText(data, size), extra, adaptive, stopAfter);
    CheckRawDoubles(data, size, extra, adaptive);
    return 0;
}
