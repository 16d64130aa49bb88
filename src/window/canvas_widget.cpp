// SPDX-License-Identifier: MIT
// The canvas paints from state: any repaint brings back the background and the current figure.
#include "window/canvas_widget.h"

#include "body/canvas_units.h"

#include <QPainter>
#include <cmath>

namespace purzo {

CanvasWidget::CanvasWidget(QWidget* parent)
    : QFrame(parent), hall_(LoadPicture(QStringLiteral("sporthalle"))) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPx);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::setScale(double scale) {
    scale_ = scale;
    setLineWidth(std::max(1, int(std::lround(kBorderPx * scale))));
    update();
}

double CanvasWidget::penWidthDevicePx() const {
    // A cosmetic pen is measured in device pixels, whatever the painter's transform.
    return kPenWidthPx * scale_ * devicePixelRatioF();
}

void CanvasWidget::showFigure(const DrawnFigure& figure) {
    figure_ = figure;
    update(contentsRect());
}

QTransform CanvasWidget::canvasTransform() const {
    const QRect area = contentsRect();
    QTransform t;
    t.translate(area.left(), area.top());
    t.scale(area.width() / double(kCanvasWidth), area.height() / double(kCanvasHeight));
    return t;
}

const QPixmap& CanvasWidget::background() {
    const double ratio = devicePixelRatioF();
    if (backgroundScale_ != scale_ || backgroundRatio_ != ratio) {
        background_ = PictureAtScale(hall_, scale_, ratio);
        backgroundScale_ = scale_;
        backgroundRatio_ = ratio;
    }
    return background_;
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.setClipRect(area);
    painter.fillRect(area, palette().window());
    // From the drawing area's top-left corner, cut off at its right and bottom edges.
    painter.drawPixmap(area.topLeft(), background());
    if (!figure_) {
        return;
    }
    const QTransform transform = canvasTransform();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(transform);
    QPen pen(Qt::black, penWidthDevicePx(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const CanvasLine& l : figure_->lines) {
        painter.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
    }
    // The radius is in x units; the y radius is adjusted so that the head is round on screen.
    const CanvasCircle& h = figure_->head;
    painter.drawEllipse(QPointF(h.x, h.y), h.radius, h.radius * transform.m11() / transform.m22());
}

} // namespace purzo
