// SPDX-License-Identifier: MIT
// The keys' rectangles are the designed picture's; the picture is shown at the window's scale
// from the top-left corner of the frame's inside.
#include "window/controls/arrow_key_taps.h"

#include "design/arrow_keys.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTouchEvent>

namespace purzo {

ArrowKeyTaps::ArrowKeyTaps(QLabel* picture, QScrollBar* postureBar, std::function<bool()> inFlight)
    : QObject(picture), picture_(picture), postureBar_(postureBar), inFlight_(std::move(inFlight)) {
    picture->setAttribute(Qt::WA_AcceptTouchEvents);
    picture->installEventFilter(this);
}

bool ArrowKeyTaps::press(QPointF at) {
    if (!inFlight_()) {
        return false;
    }
    const QPixmap pixmap = picture_->pixmap();
    const double shownWidth = pixmap.width() / pixmap.devicePixelRatio();
    if (shownWidth <= 0) {
        return false;
    }
    const double scale = shownWidth / kArrowKeysWidthPx;
    const QPointF inPicture = (at - QPointF(picture_->contentsRect().topLeft())) / scale;
    const std::optional<ArrowKey> key = ArrowKeyAt(inPicture.x(), inPicture.y());
    if (key != ArrowKey::Left && key != ArrowKey::Right) {
        return false;
    }
    postureBar_->triggerAction(key == ArrowKey::Left ? QAbstractSlider::SliderSingleStepSub
                                                     : QAbstractSlider::SliderSingleStepAdd);
    // The flight's keys stay with the posture bar.
    postureBar_->setFocus();
    return true;
}

bool ArrowKeyTaps::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    // A quick second click arrives as a double click: it is a press all the same.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return mouse->button() == Qt::LeftButton && press(mouse->position());
    }
    case QEvent::TouchBegin: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        press(touch->points().first().position());
        event->accept(); // the touch's end and any mouse event made from it come here too
        return true;
    }
    default:
        return false;
    }
}

} // namespace purzo
