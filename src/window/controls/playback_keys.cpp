// SPDX-License-Identifier: MIT
// While a flight runs unpaused, the stepping keys are the posture bar's, as they always were.
#include "window/controls/playback_keys.h"

#include "window/view/flight_player.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTouchEvent>
#include <QWheelEvent>
#include <QWidget>

namespace purzo {
namespace {

// A press that moves farther than this is a drag, not a long press.
constexpr int kLongPressSlopPx = 12;

} // namespace

std::optional<PlaybackAction> PlaybackActionOf(const QKeyEvent& key) {
    const QString name = QKeySequence(key.key()).toString(QKeySequence::PortableText);
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    return PlaybackActionFor(name.toStdString(), held.testFlag(Qt::ShiftModifier),
                             (held & ~Qt::ShiftModifier) != Qt::NoModifier, KeyNaming::Window);
}

QKeySequence WindowKeyFor(PlaybackAction action) {
    return QKeySequence::fromString(QString::fromLatin1(PlaybackKeyOf(action).windowKey),
                                    QKeySequence::PortableText);
}

PlaybackKeys::PlaybackKeys(QWidget* canvas, QWidget* postureBar, FlightPlayer* player)
    : QObject(canvas), canvas_(canvas), postureBar_(postureBar), player_(player) {
    canvas->installEventFilter(this);
    postureBar->installEventFilter(this);
    canvas->setAttribute(Qt::WA_AcceptTouchEvents);
    longPress_.setSingleShot(true);
    longPress_.setInterval(kLongPressMs);
    connect(&longPress_, &QTimer::timeout, this, [this] {
        // The finger still rests where the menu opens: lifting it must not click the entry
        // under it, so the next release anywhere is swallowed.
        swallowRelease_ = true;
        qApp->installEventFilter(this);
        emit menuRequested(pressedAt_);
    });
}

bool PlaybackKeys::eventFilter(QObject* watched, QEvent* event) {
    if (swallowRelease_) {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonRelease || type == QEvent::TouchEnd ||
            type == QEvent::TouchCancel) {
            swallowRelease_ = false;
            qApp->removeEventFilter(this);
            return true;
        }
        if (watched != canvas_ && watched != postureBar_) {
            return false; // the application's other events pass on untouched
        }
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        const std::optional<PlaybackAction> action =
            PlaybackActionOf(*static_cast<QKeyEvent*>(event));
        if (!action) {
            return false;
        }
        const PlaybackKeyDesign& design = PlaybackKeyOf(*action);
        if (design.onlyWhileStepping && !player_->canStep()) {
            return false;
        }
        switch (*action) {
        case PlaybackAction::OpenMenu:
            emit menuRequested(canvas_->contentsRect().center());
            return true;
        case PlaybackAction::TogglePause:
            player_->togglePause();
            return true;
        case PlaybackAction::StepForward:
        case PlaybackAction::StepBack:
            player_->step(*action == PlaybackAction::StepForward ? 1 : -1);
            return true;
        case PlaybackAction::ToStart:
        case PlaybackAction::ToEnd:
            player_->stepToEnd(*action == PlaybackAction::ToEnd);
            return true;
        default:
            return false; // the window's shortcuts and the presentation have the others
        }
    }
    case QEvent::Wheel:
        if (watched == canvas_ && player_->canStep()) {
            // Turned towards the user: forward.
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (delta != 0) {
                player_->step(delta < 0 ? 1 : -1);
            }
            return true;
        }
        return false;
    // A long press on the canvas, by mouse, pen or finger, opens the menu: touch screens have
    // no right button.
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        if (watched == canvas_) {
            const bool touch = event->type() == QEvent::TouchBegin;
            if (!touch && static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
                return false;
            }
            pressedAt_ =
                touch ? static_cast<QTouchEvent*>(event)->points().first().position().toPoint()
                      : static_cast<QMouseEvent*>(event)->position().toPoint();
            longPress_.start();
            if (touch) {
                event->accept();
                return true;
            }
        }
        return false;
    case QEvent::MouseMove:
    case QEvent::TouchUpdate:
        if (watched == canvas_ && longPress_.isActive()) {
            const QPoint at =
                event->type() == QEvent::TouchUpdate
                    ? static_cast<QTouchEvent*>(event)->points().first().position().toPoint()
                    : static_cast<QMouseEvent*>(event)->position().toPoint();
            if ((at - pressedAt_).manhattanLength() > kLongPressSlopPx) {
                longPress_.stop();
            }
        }
        return false;
    case QEvent::MouseButtonRelease:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        if (watched == canvas_) {
            longPress_.stop();
        }
        return false;
    default:
        return false;
    }
}

} // namespace purzo
