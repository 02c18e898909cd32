// Writing numbers as decimal text with an exact half rounded away from zero.
//
// std::to_chars rounds the exact binary value correctly but sends an exact half to the even
// neighbour. Halves are rare (the binary value must end exactly on the digit after the last one
// kept), so the common case takes to_chars' result and only a candidate half is checked against
// the full expansion of the value.
#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace kalvero {

namespace {

// Enough for the longest exact fixed or scientific expansion of a double.
constexpr int FullPrecision = 1100;

std::string ToChars(double value, std::chars_format format, int precision) {
    std::string text(FullPrecision + 400, '\0');
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    text.resize(result.ptr - text.data());
    return text;
}

// True when the digits after position `kept` of the digit string are exactly "5" and zeros,
// judged on the value's full expansion.
bool IsExactHalf(double value, std::chars_format format, int kept) {
    const std::string full = ToChars(value, format, FullPrecision);
    const size_t digitsStart = full.find_first_of("0123456789");
    size_t seen = 0;
    size_t pos = digitsStart;
    for (; pos < full.size() && seen < static_cast<size_t>(kept); ++pos)
        if (full[pos] >= '0' && full[pos] <= '9')
            ++seen;
    while (pos < full.size() && full[pos] == '.')
        ++pos;
    if (pos >= full.size() || full[pos] != '5')
        return false;
    for (++pos; pos < full.size(); ++pos) {
        if (full[pos] == 'e')
            break;
        if (full[pos] != '0' && full[pos] != '.')
            return false;
    }
    return true;
}

// Adds one unit in the last digit of a digit string (which may hold a sign and a point).
// Returns true when the carry ran out of the front, having written a leading 1.
bool IncrementLastDigit(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        char& c = digits[i];
        if (c == '.' || c == '-')
            continue;
        if (c != '9') {
            ++c;
            return false;
        }
        c = '0';
    }
    const size_t front = (!digits.empty() && digits[0] == '-') ? 1 : 0;
    digits.insert(front, 1, '1');
    return true;
}

} // namespace

std::string NumberToText(int Extra, uint8_t Adaptive, double value) {
    if (value == MissingValue || !std::isfinite(value))
        return "*";
    int decimals = std::max(0, Extra);
    if (Adaptive == 1) {
        const double magnitude = value == 0 ? -1.0 : std::log10(std::fabs(value));
        decimals += magnitude < 0 ? static_cast<int>(std::ceil(-magnitude)) : 1;
    }
    std::string text = ToChars(value, std::chars_format::fixed, decimals);
    // An exact half at the last kept decimal prints as "5" and zeros one to three places on.
    const std::string longer = ToChars(value, std::chars_format::fixed, decimals + 3);
    if (longer.compare(longer.size() - 3, 3, "500") == 0) {
        const int integerDigits = static_cast<int>(longer.find('.')) - (longer[0] == '-');
        if (IsExactHalf(value, std::chars_format::fixed, integerDigits + decimals)) {
            text = longer.substr(0, longer.size() - 3);
            if (text.back() == '.')
                text.pop_back();
            IncrementLastDigit(text);
        }
    }
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1); // a value that shows as zero shows no sign
    return text;
}

namespace {

// Rounds |value| to 15 significant digits, an exact half away from zero: the digits (without the
// point) into digits[0..15) and the decimal exponent.
void FifteenDigits(double magnitude, char* digits, int& exponent) {
    std::array<char, 64> buffer;
    // Shortest round-trip digits: when they are 15 or fewer they are also the value correctly
    // rounded to 15 digits, and no half can arise (a double is far closer to them than half a
    // unit of the 15th digit).
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                std::chars_format::scientific);
    std::string_view text(buffer.data(), result.ptr - buffer.data());
    size_t ePos = text.find('e');
    if (ePos - (ePos > 1 ? 1 : 0) > 15) {
        const std::string sixteen = ToChars(magnitude, std::chars_format::scientific, 15);
        const bool half = sixteen[16] == '5' &&
                          ToChars(magnitude, std::chars_format::scientific, 16)[17] == '0' &&
                          IsExactHalf(magnitude, std::chars_format::scientific, 15);
        std::string rounded =
            half ? sixteen : ToChars(magnitude, std::chars_format::scientific, 14);
        ePos = rounded.find('e');
        std::string mantissa = rounded.substr(0, 16);
        int shift = 0;
        if (half && IncrementLastDigit(mantissa)) {
            mantissa = "1.00000000000000"; // 9.99...95 became 10.0...0
            shift = 1;
        }
        std::from_chars(rounded.data() + ePos + 1 + (rounded[ePos + 1] == '+'),
                        rounded.data() + rounded.size(), exponent);
        exponent += shift;
        digits[0] = mantissa[0];
        std::copy(mantissa.begin() + 2, mantissa.begin() + 16, digits + 1);
        return;
    }
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+'), text.data() + text.size(),
                    exponent);
    std::fill(digits, digits + 15, '0');
    digits[0] = text[0];
    if (ePos > 2)
        std::copy(text.begin() + 2, text.begin() + ePos, digits + 1);
}

} // namespace

void AppendExponentForm(std::string& out, double value) {
    if (!std::isfinite(value))
        value = MissingValue; // a non-finite number has no text that reads back; keep the marker
    const size_t at = out.size();
    out.resize(at + 23);
    char* p = out.data() + at;
    if (value == 0) {
        std::memcpy(p, " 0.00000000000000E+0000", 23);
        return;
    }
    char digits[15];
    int exponent = 0;
    FifteenDigits(std::fabs(value), digits, exponent);
    // Rounded to 15 digits, the largest doubles (from 1.797693134862315e308 on) would give
    // 1.79769313486232E+0308, which lies beyond the range of a double, so that no reader could take
    // the number back. They keep the largest 15-digit mantissa that reads back instead.
    if (exponent == 308 && std::memcmp(digits, "179769313486231", 15) > 0)
        std::memcpy(digits, "179769313486231", 15);
    p[0] = value < 0 ? '-' : ' ';
    p[1] = digits[0];
    p[2] = '.';
    std::memcpy(p + 3, digits + 1, 14);
    p[17] = 'E';
    p[18] = exponent < 0 ? '-' : '+';
    int e = std::abs(exponent);
    for (int k = 22; k >= 19; --k, e /= 10)
        p[k] = static_cast<char>('0' + e % 10);
}

} // namespace kalvero
