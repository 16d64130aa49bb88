// SPDX-License-Identifier: MIT
#include "window/video/video_frame_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

// A press this close to a mark picks it up, widget pixels.
constexpr double kGrabPx = 10.0;
// A pressed mark moved this far is dragged; less is a click.
constexpr double kDragStartPx = 3.0;

} // namespace

VideoFrameView::VideoFrameView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("videoFrameView"));
    setAccessibleName(tr("Bild des Videos"));
    setFocusPolicy(Qt::StrongFocus); // a click on the frame takes the keys there
    setCursor(Qt::CrossCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoFrameView::setFrame(const RgbImage& frame) {
    frame_ =
        QImage(frame.rgb.data(), frame.width, frame.height, frame.width * 3, QImage::Format_RGB888)
            .copy();
    update();
}

void VideoFrameView::setOverlay(VideoOverlay overlay) {
    overlay_ = std::move(overlay);
    update();
}

void VideoFrameView::setHint(const QString& hint) {
    hint_ = hint;
    update();
}

void VideoFrameView::setDraggable(std::vector<PixelPoint> points) {
    draggable_ = std::move(points);
}

QRectF VideoFrameView::frameRect() const {
    if (frame_.isNull()) {
        return QRectF(rect());
    }
    const QSizeF size = QSizeF(frame_.size()).scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QTransform VideoFrameView::toWidgetTransform() const {
    if (frame_.isNull()) {
        return {};
    }
    const QRectF r = frameRect();
    const double s = r.width() / frame_.width();
    return QTransform(s, 0, 0, s, r.left(), r.top());
}

QPointF VideoFrameView::toWidget(PixelPoint p) const {
    return toWidgetTransform().map(QPointF(p.x, p.y));
}

PixelPoint VideoFrameView::toFrame(QPointF widgetPoint) const {
    // A point dragged out of the picture stays on its edge.
    const QPointF p = toWidgetTransform().inverted().map(widgetPoint);
    return {std::clamp(p.x(), 0.0, double(frame_.width())),
            std::clamp(p.y(), 0.0, double(frame_.height()))};
}

void VideoFrameView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(40, 40, 40));
    const double scale = std::max(1.0, logicalDpiY() / 96.0);
    if (frame_.isNull()) {
        painter.setPen(QColor(230, 230, 230));
        painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                         hint_);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(frameRect(), frame_);
    DrawVideoOverlay(painter, overlay_, toWidgetTransform(), scale);
    if (!hint_.isEmpty()) {
        QRect box = painter.fontMetrics()
                        .boundingRect(rect().adjusted(8, 8, -8, -8), Qt::TextWordWrap, hint_)
                        .adjusted(-6, -3, 6, 3);
        // In the band above the picture where there is room, so that it hides nothing there.
        const int band = int(frameRect().top());
        if (band >= box.height() + 4) {
            box.moveTop((band - box.height()) / 2);
        }
        painter.fillRect(box, QColor(0, 0, 0, 170));
        painter.setPen(Qt::white);
        painter.drawText(box.adjusted(6, 3, -6, -3), Qt::TextWordWrap, hint_);
    }
}

std::optional<int> VideoFrameView::draggableNear(QPointF widgetPoint) const {
    std::optional<int> best;
    double bestDistance = kGrabPx;
    for (std::size_t i = 0; i < draggable_.size(); ++i) {
        const QPointF p = toWidget(draggable_[i]);
        const double d = std::hypot(p.x() - widgetPoint.x(), p.y() - widgetPoint.y());
        if (d <= bestDistance) {
            best = int(i);
            bestDistance = d;
        }
    }
    return best;
}

void VideoFrameView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || frame_.isNull()) {
        return;
    }
    pressedAt_ = event->position();
    pressedOn_ = draggableNear(pressedAt_);
    dragging_ = false;
    // Beside the picture there is nothing to mark.
    if (!pressedOn_ && frameRect().contains(pressedAt_)) {
        emit clicked(toFrame(pressedAt_));
    }
}

void VideoFrameView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedOn_) {
        return;
    }
    const QPointF d = event->position() - pressedAt_;
    if (!dragging_ && std::hypot(d.x(), d.y()) < kDragStartPx) {
        return;
    }
    dragging_ = true;
    setCursor(Qt::ClosedHandCursor);
    emit dragged(*pressedOn_, toFrame(event->position()));
}

void VideoFrameView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedOn_) {
        return;
    }
    const int index = *pressedOn_;
    pressedOn_.reset();
    setCursor(Qt::CrossCursor);
    // A mark pressed and let go where it was is a click on it.
    if (!dragging_) {
        emit clicked(toFrame(event->position()));
        return;
    }
    dragging_ = false;
    emit dragFinished(index, toFrame(event->position()));
}

} // namespace purzo
