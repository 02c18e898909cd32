#pragma once

#include <array>
#include <cstdint>

namespace kalvero {

// A layer's fill: a pattern code and a colour 0x00BBGGRR.
struct Fill {
    int32_t PatternCode = 0;
    int32_t Color = 0;
    bool operator==(const Fill&) const = default;
};

inline constexpr int32_t White = 16777215;
inline constexpr int PaletteSize = 11;
using FillPalette = std::array<Fill, PaletteSize>;

// The palette at start-up: eleven solid white fills.
inline FillPalette StartPalette() {
    FillPalette palette;
    palette.fill(Fill{0, White});
    return palette;
}

} // namespace kalvero
