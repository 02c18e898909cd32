#include "view/tile_art.h"
#include "view/tiles.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace kalvero {
namespace {

constexpr int32_t Black = 0;
constexpr int32_t Red = 255;

TEST(Tiles, TheSetCoversEveryCodeUpTo56) {
    EXPECT_GE(TileCount(), 49);
    EXPECT_EQ(TileCount(), static_cast<int>(EditorTileArt().size() + FurtherTileArt().size()));
    EXPECT_EQ(EditorTileArt().size(), 35u);
}

TEST(Tiles, ArtIsSquareAndDrawnOnlyWithDarkAndLight) {
    for (const auto table : {EditorTileArt(), FurtherTileArt()}) {
        for (const TileArt& art : table) {
            size_t rows = 0;
            while (rows < art.Rows.size() && !art.Rows[rows].empty()) {
                ++rows;
            }
            EXPECT_TRUE(rows == 8 || rows == 16) << art.Name;
            for (size_t r = 0; r < art.Rows.size(); ++r) {
                const std::string_view row = art.Rows[r];
                if (r >= rows) {
                    EXPECT_TRUE(row.empty()) << art.Name << " row " << r;
                    continue;
                }
                EXPECT_EQ(row.size(), rows) << art.Name << " row " << r;
                EXPECT_EQ(row.find_first_not_of("#."), std::string_view::npos)
                    << art.Name << " row " << r;
            }
        }
    }
}

TEST(Tiles, EveryTileIsTwoColouredNamedAndDistinct) {
    std::set<QString> names;
    std::set<QByteArray> pictures;
    for (int n = 1; n <= TileCount(); ++n) {
        const QString name = TileName(n);
        EXPECT_FALSE(name.isEmpty()) << n;
        EXPECT_TRUE(names.insert(name).second) << "name twice: " << name.toStdString();

        const QImage image = TileImage(n, Red);
        ASSERT_TRUE(image.width() == image.height() && (image.width() == 8 || image.width() == 16))
            << name.toStdString();
        int dark = 0;
        int light = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                dark += pixel == qRgb(255, 0, 0);
                light += pixel == qRgb(255, 255, 255);
            }
        }
        EXPECT_EQ(dark + light, image.width() * image.height()) << name.toStdString();
        EXPECT_GT(dark, 0) << name.toStdString();
        EXPECT_GT(light, 0) << name.toStdString();
        EXPECT_NEAR(TileInkShare(n), static_cast<double>(dark) / (dark + light), 1e-12);

        // Compared repeated to 16x16, so that an 8x8 tile and a 16x16 copy of it count as one.
        QImage tiled(16, 16, QImage::Format_RGB32);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                tiled.setPixel(x, y, image.pixel(x % image.width(), y % image.height()));
            }
        }
        EXPECT_TRUE(pictures
                        .insert(QByteArray(reinterpret_cast<const char*>(tiled.constBits()),
                                           tiled.sizeInBytes()))
                        .second)
            << "same picture as an earlier tile: " << name.toStdString();
    }
}

TEST(Tiles, DarkPixelsTakeTheColourAndLightOnesStayWhite) {
    for (const int n : {1, 17, 35, 49}) {
        const QImage black = TileImage(n, Black);
        const QImage blue = TileImage(n, 16711680);
        const QImage white = TileImage(n, 16777215);
        ASSERT_EQ(black.size(), blue.size());
        for (int y = 0; y < black.height(); ++y) {
            for (int x = 0; x < black.width(); ++x) {
                const bool dark = black.pixel(x, y) == qRgb(0, 0, 0);
                EXPECT_EQ(blue.pixel(x, y), dark ? qRgb(0, 0, 255) : qRgb(255, 255, 255));
                EXPECT_EQ(white.pixel(x, y), qRgb(255, 255, 255));
            }
        }
    }
}

TEST(Tiles, UnknownNumbersGiveNothing) {
    for (const int n : {0, -1, TileCount() + 1, 1000000}) {
        EXPECT_TRUE(TileImage(n, Red).isNull()) << n;
        EXPECT_TRUE(TileName(n).isEmpty()) << n;
        EXPECT_EQ(TileInkShare(n), 0.0) << n;
    }
}

TEST(Tiles, TheCommonLithologiesAreThere) {
    std::set<QString> names;
    for (int n = 1; n <= TileCount(); ++n) {
        names.insert(TileName(n));
    }
    for (const char* name :
         {"Sand",     "Sandstone", "Siltstone", "Shale",        "Clay",    "Limestone",
          "Dolomite", "Chalk",     "Marl",      "Conglomerate", "Breccia", "Coal",
          "Gypsum",   "Anhydrite", "Salt",      "Granite",      "Basalt",  "Gneiss",
          "Schist",   "Tuff",      "Gravel",    "Loam",         "Peat"}) {
        EXPECT_TRUE(names.count(QString::fromLatin1(name))) << name;
    }
}

} // namespace
} // namespace kalvero
