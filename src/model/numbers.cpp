#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace kalvero {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Accepts an optional exponent at text[pos..]: "E" or "e", an optional sign, at least one digit.
bool ExponentOnlyFollows(std::string_view text, size_t pos) {
    if (pos == text.size())
        return true;
    if (text[pos] != 'e' && text[pos] != 'E')
        return false;
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    if (pos == text.size())
        return false;
    for (; pos < text.size(); ++pos)
        if (!IsDigit(text[pos]))
            return false;
    return true;
}

// Rough decimal order of magnitude of a syntactically valid number, enough to tell an overflow
// from an underflow when from_chars reports a result out of range.
bool LooksTiny(std::string_view text) {
    long magnitude = 0;
    size_t i = 0;
    bool seenPoint = false, seenNonZero = false;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '.') {
            seenPoint = true;
        } else if (IsDigit(c)) {
            if (c != '0')
                seenNonZero = true;
            if (!seenPoint && seenNonZero)
                ++magnitude;
            else if (seenPoint && !seenNonZero)
                --magnitude;
        }
    }
    long exponent = 0;
    if (i < text.size()) {
        const char* first = text.data() + i + 1 + (text[i + 1] == '+');
        const auto result = std::from_chars(first, text.data() + text.size(), exponent);
        // An exponent too long for a long dwarfs any count of digits: only its sign matters.
        if (result.ec == std::errc::result_out_of_range)
            exponent = *first == '-' ? std::numeric_limits<long>::min() / 4
                                     : std::numeric_limits<long>::max() / 4;
    }
    return magnitude + exponent < 0;
}

bool ConvertPlain(std::string_view text, double& value) {
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return false;
    // The first character after the sign decides: this keeps "inf", "nan" and a second sign out.
    if (!IsDigit(text[pos]) && text[pos] != '.')
        return false;
    if (text[pos] == '.' && (pos + 1 == text.size() || !IsDigit(text[pos + 1]))) {
        // A point without digits on either side reads as 0.
        if (!ExponentOnlyFollows(text, pos + 1))
            return false;
        value = negative ? -0.0 : 0.0;
        return true;
    }
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    double parsed = 0;
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ptr != last)
        return false;
    if (result.ec == std::errc::result_out_of_range) {
        if (!LooksTiny(std::string_view(first, last - first)))
            return false; // beyond the range of a double: unreadable
        parsed = 0;
    } else if (result.ec != std::errc()) {
        return false;
    }
    value = negative ? -parsed : parsed;
    return true;
}

} // namespace

bool ConvertItem(std::string_view text, double& value) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return ConvertPlain(text, value);
    std::string copy(text);
    copy[comma] = '.';
    return ConvertPlain(copy, value);
}

double TextToNumber(std::string_view text, bool Inclusive, double Lower, double Upper) {
    double value;
    if (!ConvertItem(text, value))
        return MissingValue;
    if (Lower == Upper)
        return value;
    if (Lower != 0 && (Inclusive ? value < Lower : value <= Lower))
        return MissingValue;
    if (Upper != 0 && (Inclusive ? value > Upper : value >= Upper))
        return MissingValue;
    return value;
}

int CountNonMissing(const arofdoubleM& values) {
    return static_cast<int>(
        std::count_if(values.begin(), values.end(), [](double v) { return v != MissingValue; }));
}

void SplitToDoubles(std::string_view line, int skip, arofdoubleM& values) {
    values.clear();
    ForEachItem(line, [&](int index, bool converted, double value) {
        if (index >= skip && converted)
            values.push_back(value);
        return true;
    });
}

double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

int32_t RoundToInt32(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (rounded <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

void SplitToIntegers(std::string_view line, int skip, arofintM& values) {
    values.clear();
    ForEachItem(line, [&](int index, bool converted, double value) {
        if (index >= skip && converted)
            values.push_back(RoundToInt32(value));
        return true;
    });
}

void FillFlags(arofboolM& flags, bool value) {
    std::fill(flags.begin(), flags.end(), value);
}

} // namespace kalvero
