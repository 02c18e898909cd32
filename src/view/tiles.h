#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

namespace kalvero {

// The pattern tiles: two-colour lithology symbols of 8x8 or 16x16 pixels, numbered from 1.

int TileCount();

// The tile's name for tooltips and legends; an empty text for a number outside 1 to TileCount().
QString TileName(int tileNumber);

// The tile with its dark pixels in the colour (0x00BBGGRR) and its light pixels white, in
// QImage::Format_RGB32; a null image for a number outside 1 to TileCount().
QImage TileImage(int tileNumber, int32_t colour);

// Share of dark pixels in the tile, from 0 to 1; 0 for an unknown number. Painters that cannot
// repeat a picture use it to pick a stipple of about the same tone.
double TileInkShare(int tileNumber);

} // namespace kalvero
