#include "ui/palette_strip.h"

#include "view/fills.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace kalvero {

PaletteStrip::PaletteStrip(const FillPalette& palette, QWidget* parent)
    : QWidget(parent), Palette(palette) {
    setFixedSize(CellSize * PaletteSize + 1, CellSize + 1);
    // A right click keeps a fill here; the toolbar's own menu must not open as well.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setToolTip("Palette: left click gives the current layer this fill, right click keeps the "
               "current layer's fill here");
}

int PaletteStrip::CellAt(QPoint point) const {
    if (point.y() < 0 || point.y() > CellSize || point.x() < 0)
        return -1;
    const int cell = point.x() / CellSize;
    return cell < PaletteSize ? cell : -1;
}

void PaletteStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int k = 0; k < PaletteSize; ++k) {
        const QRect cell(k * CellSize, 0, CellSize, CellSize);
        if (Showing && Showing())
            PaintFill(painter, cell.adjusted(1, 1, 0, 0), Palette[k].PatternCode, Palette[k].Color);
        painter.setPen(Qt::gray);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell);
    }
}

void PaletteStrip::mousePressEvent(QMouseEvent* event) {
    const int cell = CellAt(event->position().toPoint());
    if (cell >= 0)
        emit CellPressed(cell, event->button());
}

bool PaletteStrip::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = CellAt(help->pos());
        if (cell >= 0 && Showing && Showing()) {
            QToolTip::showText(help->globalPos(), PatternName(Palette[cell].PatternCode), this);
            return true;
        }
    }
    return QWidget::event(event);
}

} // namespace kalvero
