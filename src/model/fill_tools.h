#pragma once

#include "model/fill.h"
#include "model/section.h"

#include <optional>

namespace kalvero {

// The fill of layer `layer` of the current borehole entry; nothing for a carotage entry, an empty
// section or a layer outside the entry's layers.
std::optional<Fill> CurrentLayerFill(const Section& section, int layer);
// Gives layer `layer` of the current borehole entry the fill; false when there is no such layer.
bool SetCurrentLayerFill(Section& section, int layer, const Fill& fill);

enum class ExchangeKind {
    PatternAndColor, // layers with the source's pattern and colour get the new pattern and colour
    Pattern,         // layers with the source's pattern, whatever their colour, get the new pattern
    Color,           // layers with the source's pattern and colour get the new colour
};

// Replaces fills in every layer of every entry. Returns the number of layers changed.
int ExchangeFills(Section& section, const Fill& source, const Fill& replacement, ExchangeKind kind);

// The brush editor keeps the pattern code in a byte of which the low 7 bits are used.
inline int32_t PatternFromStyleByte(int32_t style) {
    return style & 0x7F;
}

// Every entry's Percent, borehole and carotage alike.
void SetPercentOfAll(Section& section, double percent);

} // namespace kalvero
