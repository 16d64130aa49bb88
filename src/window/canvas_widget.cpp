// SPDX-License-Identifier: MIT
// The canvas paints from state: any repaint brings back the background and the current figure.
#include "canvas_widget.h"

#include "model_constants.h"

#include <QPainter>

namespace purzo {

CanvasWidget::CanvasWidget(QWidget* parent)
    : QFrame(parent), background_(QStringLiteral(":/pictures/sporthalle.jpg")) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPx);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double CanvasWidget::scaleWidth() const {
    return kCanvasScaleWidth;
}
double CanvasWidget::scaleHeight() const {
    return kCanvasScaleHeight;
}

void CanvasWidget::showFigure(const DrawnFigure& figure) {
    figure_ = figure;
    repaint(contentsRect());
}

void CanvasWidget::clearFigure() {
    figure_.reset();
    repaint(contentsRect());
}

QPointF CanvasWidget::toWidget(QPointF p) const {
    const QRect area = contentsRect();
    return {area.left() + p.x() * area.width() / scaleWidth(),
            area.top() + p.y() * area.height() / scaleHeight()};
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
    const double sx = area.width() / scaleWidth();
    const double sy = area.height() / scaleHeight();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(sx, sy);
    QPen pen(Qt::black, kPenWidthPx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const CanvasLine& l : figure_->lines) {
        painter.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
    }
    // The radius is in x units; the y radius is adjusted so that the head is round on screen.
    const CanvasCircle& h = figure_->head;
    painter.drawEllipse(QPointF(h.x, h.y), h.radius, h.radius * sx / sy);
}

} // namespace purzo
