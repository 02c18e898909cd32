#pragma once

#include "model/fill.h"

#include <QWidget>

#include <functional>

namespace kalvero {

// The palette strip: one row of 11 cells of 30 by 30 pixels, cell k showing palette fill k.
// It paints nothing while `Showing` says no (an empty section) and reports presses by cell.
class PaletteStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int CellSize = 30;

    PaletteStrip(const FillPalette& palette, QWidget* parent = nullptr);

    std::function<bool()> Showing;
    // The cell under a point of the widget, or -1.
    int CellAt(QPoint point) const;

signals:
    void CellPressed(int cell, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    const FillPalette& Palette;
};

} // namespace kalvero
