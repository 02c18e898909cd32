#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <cstdint>

class QPainter;

namespace kalvero {

// A layer's fill is a pair (pattern code, colour). Codes 0 to 7 are the eight brush styles,
// codes from 8 on are pattern tiles, tile number = code - 7.
constexpr int32_t FirstTileCode = 8;
// The brush editor offers codes 0 to 42: the eight styles and the first 35 tiles.
constexpr int32_t EditorPatternCount = 43;

// Colour values are 0x00BBGGRR (255 red, 16777215 white); the top byte is ignored.
QColor ColorFromValue(int32_t value);
int32_t ValueFromColor(const QColor& color);

// Sets the painter's brush, brush origin, background mode and background colour for the fill, so
// that the caller then draws its shape with it. Every setting is made anew on each call, so the
// result never depends on a fill applied before. Patterns are anchored to the device origin.
void ApplyFill(QPainter& painter, int32_t patternCode, int32_t colour);

// Fills the rectangle with the fill, without outline; the painter's state is left as it was.
void PaintFill(QPainter& painter, const QRect& rect, int32_t patternCode, int32_t colour);

// "Solid", "None", ... for codes 0 to 7, the tile's name for tile codes, and
// "Unknown pattern N" for a code that nothing answers.
QString PatternName(int32_t patternCode);

// The tile number of a tile code (1 for code 8), 0 for a brush style code or a code below 0.
int TileNumberFromCode(int32_t patternCode);

} // namespace kalvero
