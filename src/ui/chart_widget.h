#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

class QRubberBand;

namespace kalvero {

class TChart;

// Shows a chart and lets the user move around in it: a rectangle dragged with the left button
// zooms into it, a drag with the right or middle button pans, a double click asks for the fitted
// view again. Zoom and pan change the axes only; the section is redrawn at the next repaint.
class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(TChart& chart, QWidget* parent = nullptr);

    TChart& Chart() { return chart_; }

signals:
    // The pointer is over the chart at this pixel.
    void PointerMoved(QPoint pixel);
    void FitRequested();
    // The user zoomed or panned: the view no longer shows the whole section.
    void ViewMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    enum class Drag { None, Zoom, Pan };

    TChart& chart_;
    Drag drag_ = Drag::None;
    QPoint dragStart_;
    QPoint lastPan_;
    QRubberBand* band_ = nullptr;
};

} // namespace kalvero
