#pragma once

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

// Calls visit(itemIndex, item) for every item of a line, in order, and stops early when visit
// returns false. Items are maximal runs of characters other than blank and tab.
template <typename Visit> void ForEachItem(std::string_view line, Visit&& visit) {
    size_t i = 0;
    const size_t n = line.size();
    int index = 0;
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < n && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start && !visit(index++, line.substr(start, i - start)))
            return;
    }
}

// Calls visit(value) for every item of a line that converts, in order, and stops early when visit
// returns false. The readers use it to look at a line's numbers without storing all of them, so a
// huge line costs no memory.
template <typename Visit> void ForEachNumber(std::string_view line, Visit&& visit) {
    ForEachItem(line, [&](int, std::string_view item) {
        double value;
        return !ConvertItem(item, value) || visit(value);
    });
}

} // namespace kalvero
