#pragma once

#include <array>
#include <span>
#include <string_view>

namespace kalvero {

// One tile as drawn in the source: '#' is a dark pixel, '.' a light one. A tile has 8 or 16 rows
// of as many characters; the rows after the last one are left empty.
struct TileArt {
    std::string_view Name;
    std::array<std::string_view, 16> Rows;
};

// Tiles 1 to 35, the ones the brush editor offers: the common rocks of a section.
std::span<const TileArt> EditorTileArt();

// Tiles 36 and up, reached through pattern codes in data and palette files.
std::span<const TileArt> FurtherTileArt();

} // namespace kalvero
