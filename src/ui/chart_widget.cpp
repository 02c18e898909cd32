#include "ui/chart_widget.h"

#include "chart/chart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace kalvero {

namespace {

// A smaller drag is taken for a click that slipped, not for a zoom.
constexpr int SmallestZoomBox = 4;

} // namespace

ChartWidget::ChartWidget(TChart& chart, QWidget* parent) : QWidget(parent), chart_(chart) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(100, 100);
    setToolTip(tr("Drag with the left button to zoom in, with the right button to pan.\n"
                  "Double-click to see the whole section again."));
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    chart_.SetSize(size());
    chart_.Paint(painter);
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
    chart_.SetSize(size());
    chart_.UpdateLayout();
    QWidget::resizeEvent(event);
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        drag_ = Drag::Zoom;
        dragStart_ = at;
        if (!band_)
            band_ = new QRubberBand(QRubberBand::Rectangle, this);
        band_->setGeometry(QRect(at, QSize()));
        band_->show();
    } else if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
        drag_ = Drag::Pan;
        lastPan_ = at;
        setCursor(Qt::ClosedHandCursor);
    }
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit PointerMoved(at);
    if (drag_ == Drag::Zoom) {
        band_->setGeometry(QRect(dragStart_, at).normalized());
    } else if (drag_ == Drag::Pan) {
        if (at == lastPan_)
            return;
        chart_.PanByPixels(at.x() - lastPan_.x(), at.y() - lastPan_.y());
        lastPan_ = at;
        update();
        emit ViewMoved();
    }
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == Drag::Zoom && event->button() == Qt::LeftButton) {
        band_->hide();
        // The chart takes the corners in any order; normalising would move a box dragged up or
        // to the left by one pixel.
        const QPoint end = event->position().toPoint();
        const QRect box(dragStart_, end);
        if (qAbs(end.x() - dragStart_.x()) >= SmallestZoomBox &&
            qAbs(end.y() - dragStart_.y()) >= SmallestZoomBox) {
            chart_.ZoomToPixelRect(box);
            update();
            emit ViewMoved();
        }
    } else if (drag_ == Drag::Pan) {
        unsetCursor();
    }
    drag_ = Drag::None;
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit FitRequested();
}

} // namespace kalvero
