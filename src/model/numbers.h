#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvero {

// The one marker of a missing or unreadable number, everywhere in the program. It is tested by
// exact equality, so a text that reads as 123456789 is indistinguishable from a missing number.
inline constexpr double MissingValue = 123456789.0;

using arofdoubleM = std::vector<double>;
using arofintM = std::vector<int32_t>;
using arofcomplexM = std::vector<std::pair<double, double>>;
// Plain bytes rather than std::vector<bool>: one addressable flag per element.
using arofboolM = std::vector<uint8_t>;
using ararofdoubleM = std::vector<arofdoubleM>;

// Converts one item: the first comma becomes a point, leading blanks (not tabs) are skipped, then
// the plain decimal syntax must cover the whole rest. Returns false for anything else, including
// "nan", "inf", hex and values beyond the range of a double.
bool ConvertItem(std::string_view text, double& value);

double TextToNumber(std::string_view text, bool Inclusive, double Lower, double Upper);
int CountNonMissing(const arofdoubleM& values);
double RobustMean(const arofdoubleM& values);
std::string NumberToText(int Extra, uint8_t Adaptive, double value);
void SplitToDoubles(std::string_view line, int skip, arofdoubleM& values);
void SplitToIntegers(std::string_view line, int skip, arofintM& values);
void FillFlags(arofboolM& flags, bool value);

// The 23-character exponent form of the data files: a sign character (blank or "-"), one digit,
// a point, 14 digits, "E", the exponent's sign and 4 exponent digits; 15 significant digits, an
// exact half rounded away from zero. Appends to out.
void AppendExponentForm(std::string& out, double value);

// Rounds to the nearest integer, an exact half to the even neighbour.
double RoundHalfEven(double value);

// Rounds to the nearest integer, an exact half to the even neighbour, and saturates at the limits
// of a 32-bit integer so that a huge number read from a file has a defined result.
int32_t RoundToInt32(double value);

// Calls visit(itemIndex, converted, value) for every item of a line, in order, and stops early
// when visit returns false. Items are maximal runs of characters other than blank and tab. The
// readers use it to look at a line's numbers without storing all of them, so a huge line costs
// no memory.
template <typename Visit> void ForEachItem(std::string_view line, Visit&& visit) {
    const char* p = line.data();
    const char* const end = p + line.size();
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (int index = 0;; ++index) {
        while (p < end && (*p == ' ' || *p == '\t'))
            ++p;
        if (p == end)
            return;
        // Fast path: a plain number that ends where its item ends. Anything else (a comma, a
        // leading "+", a lone point, an overflow, trailing text) takes the full conversion.
        const char* digits = p + (*p == '-');
        if (digits < end &&
            (isDigit(*digits) || (*digits == '.' && digits + 1 < end && isDigit(digits[1])))) {
            double value;
            const auto result = std::from_chars(p, end, value);
            if (result.ec == std::errc() &&
                (result.ptr == end || *result.ptr == ' ' || *result.ptr == '\t')) {
                p = result.ptr;
                if (!visit(index, true, value))
                    return;
                continue;
            }
        }
        const char* start = p;
        while (p < end && *p != ' ' && *p != '\t')
            ++p;
        double value = 0;
        const bool converted = ConvertItem(std::string_view(start, p - start), value);
        if (!visit(index, converted, value))
            return;
    }
}

// Calls visit(value) for every item of a line that converts, in order, and stops early when
// visit returns false.
template <typename Visit> void ForEachNumber(std::string_view line, Visit&& visit) {
    ForEachItem(line,
                [&](int, bool converted, double value) { return !converted || visit(value); });
}

} // namespace kalvero
