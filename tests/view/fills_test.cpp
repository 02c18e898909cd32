#include "view/fills.h"
#include "view/tiles.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <set>

namespace kalvero {
namespace {

constexpr int32_t Red = 255;
constexpr int32_t Green = 65280;
constexpr int32_t Blue = 16711680;
constexpr int32_t White = 16777215;
const QRgb Beneath = qRgb(10, 200, 30);

QImage Canvas(int size = 16) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Beneath);
    return image;
}

QImage Painted(int32_t code, int32_t colour, int size = 16) {
    QImage image = Canvas(size);
    QPainter painter(&image);
    PaintFill(painter, image.rect(), code, colour);
    return image;
}

QRgb Rgb(int32_t colour) {
    return ColorFromValue(colour).rgb();
}

// True when the pixels at (x, y) equal the tile repeated from the image origin.
bool ShowsTile(const QImage& image, const QRect& area, const QImage& tile) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != tile.pixel(x % tile.width(), y % tile.height())) {
                return false;
            }
        }
    }
    return true;
}

int Mod8(int value) {
    return ((value % 8) + 8) % 8;
}

// A hatch drawn with lines 8 pixels apart, with the phases p and q of its line families left free
// so that the test fixes the direction of the lines, not where Qt starts them.
using HatchRule = std::function<bool(int x, int y, int p, int q)>;

struct HatchCase {
    int32_t Code;
    const char* Name;
    HatchRule Ink;
};

const HatchCase HatchCases[] = {
    {2, "horizontal", [](int, int y, int p, int) { return Mod8(y - p) == 0; }},
    {3, "vertical", [](int x, int, int p, int) { return Mod8(x - p) == 0; }},
    // x - y constant: the line runs from top left to bottom right.
    {4, "diagonal", [](int x, int y, int p, int) { return Mod8(x - y - p) == 0; }},
    // x + y constant: the line runs from bottom left to top right.
    {5, "back diagonal", [](int x, int y, int p, int) { return Mod8(x + y - p) == 0; }},
    {6, "cross", [](int x, int y, int p, int q) { return Mod8(y - p) == 0 || Mod8(x - q) == 0; }},
    {7, "diagonal cross",
     [](int x, int y, int p, int q) { return Mod8(x - y - p) == 0 || Mod8(x + y - q) == 0; }},
};

bool MatchesHatch(const QImage& image, const QRect& area, const HatchRule& rule, QRgb ink) {
    for (int p = 0; p < 8; ++p) {
        for (int q = 0; q < 8; ++q) {
            bool all = true;
            for (int y = area.top(); all && y <= area.bottom(); ++y) {
                for (int x = area.left(); all && x <= area.right(); ++x) {
                    const QRgb expected = rule(x, y, p, q) ? ink : qRgb(255, 255, 255);
                    all = image.pixel(x, y) == expected;
                }
            }
            if (all) {
                return true;
            }
        }
    }
    return false;
}

TEST(Fills, HatchesRunInTheirDirectionInTheFillColourOnWhite) {
    for (const HatchCase& hatch : HatchCases) {
        const QImage image = Painted(hatch.Code, Red);
        EXPECT_TRUE(MatchesHatch(image, image.rect(), hatch.Ink, qRgb(255, 0, 0))) << hatch.Name;
    }
}

TEST(Fills, DiagonalsAreNotMirrored) {
    // Guards the direction on its own: a mirrored hatch would match the other rule.
    const QImage diagonal = Painted(4, Red);
    const QImage back = Painted(5, Red);
    EXPECT_FALSE(MatchesHatch(diagonal, diagonal.rect(), HatchCases[3].Ink, qRgb(255, 0, 0)));
    EXPECT_FALSE(MatchesHatch(back, back.rect(), HatchCases[2].Ink, qRgb(255, 0, 0)));
}

TEST(Fills, SolidCoversAndNoneLeavesWhatLiesBeneath) {
    struct Case {
        int32_t Code;
        int32_t Colour;
        QRgb Expected;
    };
    const Case cases[] = {
        {0, Red, qRgb(255, 0, 0)}, {0, White, qRgb(255, 255, 255)},
        {0, 0, qRgb(0, 0, 0)},     {1, Red, Beneath},
        {1, White, Beneath},
    };
    for (const Case& c : cases) {
        const QImage image = Painted(c.Code, c.Colour);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ASSERT_EQ(image.pixel(x, y), c.Expected)
                    << "code " << c.Code << " colour " << c.Colour << " at " << x << "," << y;
            }
        }
    }
}

TEST(Fills, TileCodesPaintTheirTileInTheFillColourOnWhite) {
    struct Case {
        int32_t Code;
        int Tile;
    };
    const Case cases[] = {{8, 1}, {9, 2}, {20, 13}, {42, 35}, {43, 36}, {56, 49}};
    for (const Case& c : cases) {
        const QImage tile = TileImage(c.Tile, Blue);
        ASSERT_FALSE(tile.isNull()) << c.Tile;
        const QImage image = Painted(c.Code, Blue, 40);
        EXPECT_TRUE(ShowsTile(image, image.rect(), tile)) << "code " << c.Code;
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                colours.insert(image.pixel(x, y));
            }
        }
        EXPECT_EQ(colours, (std::set<QRgb>{qRgb(0, 0, 255), qRgb(255, 255, 255)}))
            << "code " << c.Code;
    }
}

// Paints the left half with the first fill and then the right half with the second through the
// same painter, as the renderer paints one layer after another.
QImage PaintedOneAfterAnother(int32_t firstCode, int32_t firstColour, int32_t secondCode,
                              int32_t secondColour) {
    QImage image = Canvas(32);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    ApplyFill(painter, firstCode, firstColour);
    painter.drawRect(0, 0, 16, 32);
    ApplyFill(painter, secondCode, secondColour);
    painter.drawRect(16, 0, 16, 32);
    return image;
}

TEST(Fills, EachFillDependsOnlyOnItself) {
    const QRect right(16, 0, 16, 32);
    const QRgb blue = qRgb(0, 0, 255);
    for (const int32_t before : {8, 30, 56, -1, 0, 6}) {
        const QImage hatched = PaintedOneAfterAnother(before, Green, 4, Blue);
        EXPECT_TRUE(MatchesHatch(hatched, right, HatchCases[2].Ink, blue)) << "after " << before;
        const QImage solid = PaintedOneAfterAnother(before, Green, 0, Red);
        EXPECT_EQ(solid.pixel(20, 5), qRgb(255, 0, 0)) << "after " << before;
    }
    const QImage tiled = PaintedOneAfterAnother(5, Red, 17, Green);
    EXPECT_TRUE(ShowsTile(tiled, right, TileImage(10, Green)));
}

TEST(Fills, HatchGapsAreWhiteWhateverThePainterWasSetTo) {
    QImage image = Canvas();
    QPainter painter(&image);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBackground(Qt::black);
    painter.setBrushOrigin(3, 5);
    PaintFill(painter, image.rect(), 2, Red);
    EXPECT_TRUE(MatchesHatch(image, image.rect(), HatchCases[0].Ink, qRgb(255, 0, 0)));
}

TEST(Fills, PatternsStayAnchoredToTheDeviceOrigin) {
    // Neighbouring layers painted separately, even through a moved painter, must line up with
    // one area painted at once.
    for (const int32_t code : {4, 6, 8, 28, 56, -1}) {
        const QImage whole = Painted(code, Red, 32);
        QImage pieces = Canvas(32);
        QPainter painter(&pieces);
        PaintFill(painter, QRect(0, 0, 32, 11), code, Red);
        painter.translate(3, 11);
        PaintFill(painter, QRect(-3, 0, 32, 21), code, Red);
        painter.end();
        EXPECT_EQ(pieces, whole) << "code " << code;
    }
}

TEST(Fills, CodesWithoutTileShowAGreyChecker) {
    struct Case {
        int32_t Code;
        int32_t Colour;
    };
    const Case cases[] = {
        {-1, Red},
        {TileCount() + FirstTileCode, Red},
        {127, Blue},
        {std::numeric_limits<int32_t>::min(), 0},
        {std::numeric_limits<int32_t>::max(), White},
        // A grey fill must not melt into the checker's grey.
        {-5, 0x808080},
    };
    for (const Case& c : cases) {
        const QImage image = Painted(c.Code, c.Colour);
        const QRgb ink = Rgb(c.Colour);
        const QRgb other = image.pixel(4, 0);
        EXPECT_NE(other, ink) << c.Code;
        EXPECT_TRUE(qRed(other) == qGreen(other) && qGreen(other) == qBlue(other)) << c.Code;
        EXPECT_NE(other, qRgb(255, 255, 255)) << c.Code;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool inkCell = (x / 4 + y / 4) % 2 == 0;
                ASSERT_EQ(image.pixel(x, y), inkCell ? ink : other)
                    << "code " << c.Code << " at " << x << "," << y;
            }
        }
    }
}

TEST(Fills, ColourValuesAreBlueGreenRed) {
    struct Case {
        int32_t Value;
        QColor Color;
    };
    const Case cases[] = {
        {255, QColor(255, 0, 0)},
        {Green, QColor(0, 255, 0)},
        {Blue, QColor(0, 0, 255)},
        {White, QColor(255, 255, 255)},
        {0, QColor(0, 0, 0)},
        {0x00123456, QColor(0x56, 0x34, 0x12)},
        {0x1F0000FF, QColor(255, 0, 0)},
        {-1, QColor(255, 255, 255)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorFromValue(c.Value), c.Color) << c.Value;
        EXPECT_EQ(ValueFromColor(c.Color), c.Value & 0x00FFFFFF) << c.Value;
    }
    EXPECT_EQ(ValueFromColor(QColor::fromHsv(120, 255, 255)), Green);
}

TEST(Fills, PatternNames) {
    struct Case {
        int32_t Code;
        QString Name;
    };
    const Case cases[] = {
        {0, "Solid"},
        {1, "None"},
        {2, "Horizontal"},
        {3, "Vertical"},
        {4, "Diagonal"},
        {5, "Back Diagonal"},
        {6, "Cross"},
        {7, "Diagonal Cross"},
        {8, TileName(1)},
        {42, TileName(35)},
        {56, TileName(49)},
        {-1, "Unknown pattern -1"},
        {TileCount() + FirstTileCode,
         QStringLiteral("Unknown pattern %1").arg(TileCount() + FirstTileCode)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PatternName(c.Code), c.Name) << c.Code;
    }
    EXPECT_FALSE(PatternName(56).isEmpty());
}

// Vector painters: the SVG writer cannot repeat a picture, so tiles and the fallback must still
// leave a patterned fill there; the PDF writer takes every kind. None of them may be left empty.
QByteArray SvgOf(int32_t code) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(20, 20));
    QPainter painter(&generator);
    PaintFill(painter, QRect(0, 0, 20, 20), code, Red);
    painter.end();
    return buffer.data();
}

TEST(Fills, VectorPaintersGetAPatternForEveryCode) {
    for (const int32_t code : {2, 4, 7, 8, 42, 56, -1}) {
        EXPECT_TRUE(SvgOf(code).contains("fill=\"url(#fillpattern")) << code;
    }
    EXPECT_TRUE(SvgOf(0).contains("fill=\"#ff0000\""));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        int x = 0;
        for (const int32_t code : {0, 1, 4, 8, 56, -1}) {
            PaintFill(painter, QRect(x, 0, 300, 300), code, Red);
            x += 300;
        }
    }
    EXPECT_GE(buffer.data().count("/PatternType 1"), 4);
}

} // namespace
} // namespace kalvero
