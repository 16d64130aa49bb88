// SPDX-License-Identifier: MIT
// The keys, the wheel and the long press that work a flight on the canvas and the posture bar:
// Space pauses and resumes, Page Down / Page Up, Home / End and the wheel step through the
// recorded frames, and the Menu key, Shift+F10 or a press held 0.6 s open the canvas menu. They
// act only while one of the two has the focus, as it has during every flight, so that buttons
// keep Enter and Space.
#pragma once

#include "design/playback_keys_design.h"

#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <optional>

class QKeyEvent;
class QWidget;

namespace purzo {

class FlightPlayer;

// What a key pressed does on the canvas, if anything.
std::optional<PlaybackAction> PlaybackActionOf(const QKeyEvent& key);
// The window's key for an action, for its shortcuts.
QKeySequence WindowKeyFor(PlaybackAction action);

class PlaybackKeys : public QObject {
    Q_OBJECT
public:
    static constexpr int kLongPressMs = 600;

    // Watches `canvas` and `postureBar`.
    PlaybackKeys(QWidget* canvas, QWidget* postureBar, FlightPlayer* player);

signals:
    // At a point of the canvas.
    void menuRequested(const QPoint& canvasPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* canvas_;
    QWidget* postureBar_;
    FlightPlayer* player_;
    QTimer longPress_;
    QPoint pressedAt_;
    bool swallowRelease_ = false; // a long press opened the menu under the finger
};

} // namespace purzo
