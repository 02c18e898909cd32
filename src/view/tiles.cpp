#include "view/tiles.h"

#include "view/fills.h"
#include "view/tile_art.h"

#include <vector>

namespace kalvero {
namespace {

struct Tile {
    QString Name;
    // Format_Mono, index 0 light and index 1 dark, so that colouring a tile only swaps a colour.
    QImage Mask;
    double InkShare = 0.0;
};

int ArtSize(const TileArt& art) {
    int size = 0;
    while (size < static_cast<int>(art.Rows.size()) && !art.Rows[size].empty()) {
        ++size;
    }
    return size;
}

Tile TileFromArt(const TileArt& art) {
    const int size = ArtSize(art);
    QImage mask(size, size, QImage::Format_Mono);
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mask.fill(0);
    int dark = 0;
    for (int y = 0; y < size; ++y) {
        const std::string_view row = art.Rows[y];
        for (int x = 0; x < size && x < static_cast<int>(row.size()); ++x) {
            if (row[x] == '#') {
                mask.setPixel(x, y, 1);
                ++dark;
            }
        }
    }
    const double share = size > 0 ? static_cast<double>(dark) / (size * size) : 0.0;
    return {QString::fromLatin1(art.Name.data(), static_cast<qsizetype>(art.Name.size())), mask,
            share};
}

// Built once on first use and never changed afterwards, so sharing it between calls is safe.
const std::vector<Tile>& Tiles() {
    static const std::vector<Tile> tiles = [] {
        std::vector<Tile> result;
        for (const auto table : {EditorTileArt(), FurtherTileArt()}) {
            for (const TileArt& art : table) {
                result.push_back(TileFromArt(art));
            }
        }
        return result;
    }();
    return tiles;
}

const Tile* FindTile(int tileNumber) {
    if (tileNumber < 1 || tileNumber > TileCount()) {
        return nullptr;
    }
    return &Tiles()[static_cast<size_t>(tileNumber - 1)];
}

} // namespace

int TileCount() {
    return static_cast<int>(Tiles().size());
}

QString TileName(int tileNumber) {
    const Tile* tile = FindTile(tileNumber);
    return tile != nullptr ? tile->Name : QString();
}

QImage TileImage(int tileNumber, int32_t colour) {
    const Tile* tile = FindTile(tileNumber);
    if (tile == nullptr) {
        return {};
    }
    QImage image = tile->Mask;
    image.setColor(1, ColorFromValue(colour).rgb());
    return image.convertToFormat(QImage::Format_RGB32);
}

double TileInkShare(int tileNumber) {
    const Tile* tile = FindTile(tileNumber);
    return tile != nullptr ? tile->InkShare : 0.0;
}

} // namespace kalvero
