#include "view/fills.h"

#include "view/tiles.h"

#include <QPaintEngine>
#include <QPainter>

#include <array>
#include <cstdlib>

namespace kalvero {
namespace {

// Code order is the brush editor's list order. Qt's FDiagPattern runs from top left to bottom
// right and BDiagPattern from bottom left to top right on the device, as codes 4 and 5 ask.
constexpr std::array<Qt::BrushStyle, FirstTileCode> StyleOfCode = {
    Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
    Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern,
};

constexpr std::array<const char*, FirstTileCode> StyleNames = {
    "Solid",    "None",          "Horizontal", "Vertical",
    "Diagonal", "Back Diagonal", "Cross",      "Diagonal Cross",
};

// The fallback is a checker in the fill colour and a grey that no tile or hatch uses, so that a
// pattern code nothing answers stands out instead of passing for a real fill. Against a fill
// colour close to that grey a darker grey keeps the checker visible.
QColor FallbackGrey(const QColor& color) {
    const QColor grey(128, 128, 128);
    const int distance = std::abs(color.red() - grey.red()) +
                         std::abs(color.green() - grey.green()) +
                         std::abs(color.blue() - grey.blue());
    return distance < 96 ? QColor(48, 48, 48) : grey;
}

constexpr int FallbackCell = 4;

QImage FallbackImage(const QColor& color) {
    QImage image(2 * FallbackCell, 2 * FallbackCell, QImage::Format_RGB32);
    const QRgb ink = color.rgb();
    const QRgb grey = FallbackGrey(color).rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inkCell = (x / FallbackCell + y / FallbackCell) % 2 == 0;
            image.setPixel(x, y, inkCell ? ink : grey);
        }
    }
    return image;
}

// The SVG writer drops picture brushes but does write Qt's stipple and hatch styles, so there a
// tile becomes a stipple of about the same tone.
bool CanRepeatPictures(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine == nullptr || engine->type() != QPaintEngine::SVG;
}

Qt::BrushStyle StippleOfShare(double share) {
    struct Stipple {
        double Share;
        Qt::BrushStyle Style;
    };
    constexpr std::array<Stipple, 7> stipples = {{
        {0.06, Qt::Dense7Pattern},
        {0.12, Qt::Dense6Pattern},
        {0.37, Qt::Dense5Pattern},
        {0.50, Qt::Dense4Pattern},
        {0.63, Qt::Dense3Pattern},
        {0.88, Qt::Dense2Pattern},
        {0.94, Qt::Dense1Pattern},
    }};
    Stipple best = stipples.front();
    for (const Stipple& stipple : stipples) {
        if (std::abs(stipple.Share - share) < std::abs(best.Share - share)) {
            best = stipple;
        }
    }
    return best.Style;
}

// Qt places a pattern's origin at the brush origin mapped by the painter's transform; taking the
// device origin back through the transform anchors every pattern to the device, so that layers
// painted under different translations still line up.
QPointF DeviceOriginInLogical(const QPainter& painter) {
    bool invertible = false;
    const QTransform toLogical = painter.combinedTransform().inverted(&invertible);
    return invertible ? toLogical.map(QPointF(0, 0)) : QPointF(0, 0);
}

void ApplyTile(QPainter& painter, int tileNumber, int32_t colour) {
    if (CanRepeatPictures(painter)) {
        painter.setBrush(QBrush(TileImage(tileNumber, colour)));
    } else {
        painter.setBrush(QBrush(ColorFromValue(colour), StippleOfShare(TileInkShare(tileNumber))));
    }
}

void ApplyFallback(QPainter& painter, int32_t colour) {
    const QColor color = ColorFromValue(colour);
    if (CanRepeatPictures(painter)) {
        painter.setBrush(QBrush(FallbackImage(color)));
    } else {
        painter.setBackground(FallbackGrey(color));
        painter.setBrush(QBrush(color, Qt::Dense4Pattern));
    }
}

} // namespace

QColor ColorFromValue(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

int32_t ValueFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<int32_t>(static_cast<uint32_t>(rgb.red()) |
                                (static_cast<uint32_t>(rgb.green()) << 8) |
                                (static_cast<uint32_t>(rgb.blue()) << 16));
}

int TileNumberFromCode(int32_t patternCode) {
    return patternCode >= FirstTileCode ? patternCode - FirstTileCode + 1 : 0;
}

void ApplyFill(QPainter& painter, int32_t patternCode, int32_t colour) {
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setBrushOrigin(DeviceOriginInLogical(painter));
    if (patternCode >= 0 && patternCode < FirstTileCode) {
        painter.setBrush(QBrush(ColorFromValue(colour), StyleOfCode[patternCode]));
        return;
    }
    const int tileNumber = TileNumberFromCode(patternCode);
    if (tileNumber >= 1 && tileNumber <= TileCount()) {
        ApplyTile(painter, tileNumber, colour);
    } else {
        ApplyFallback(painter, colour);
    }
}

void PaintFill(QPainter& painter, const QRect& rect, int32_t patternCode, int32_t colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    ApplyFill(painter, patternCode, colour);
    painter.drawRect(rect);
    painter.restore();
}

QString PatternName(int32_t patternCode) {
    if (patternCode >= 0 && patternCode < FirstTileCode) {
        return QString::fromLatin1(StyleNames[patternCode]);
    }
    const QString tileName = TileName(TileNumberFromCode(patternCode));
    if (!tileName.isEmpty()) {
        return tileName;
    }
    return QStringLiteral("Unknown pattern %1").arg(patternCode);
}

} // namespace kalvero
