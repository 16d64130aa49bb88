// SPDX-License-Identifier: MIT
// The canvas paints from state: any repaint brings back the background and the current figure.
#include "window/canvas_widget.h"

#include "body/canvas_units.h"

#include <QPainter>

namespace purzo {

CanvasWidget::CanvasWidget(QWidget* parent)
    : QFrame(parent), background_(QStringLiteral(":/pictures/sporthalle.jpg")) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPx);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
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

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.setClipRect(area);
    painter.fillRect(area, palette().window());
    painter.drawPixmap(area.topLeft(), background_);
    if (!figure_) {
        return;
    }
    const QTransform transform = canvasTransform();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(transform);
    QPen pen(Qt::black, kPenWidthPx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
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
