// SPDX-License-Identifier: MIT
// What a screen reader learns of a flight: the take-off, the highest point and the landing with
// its verdict are announced as they happen; the canvas's description names the frame shown
// (time, height, rotation, posture) and, after a landing, its verdict, whenever the flight is
// paused or over; a warning that appears is announced as an alert.
#pragma once

#include "flight/frame_step.h"

#include <QObject>
#include <optional>

class QLabel;
class QWidget;

namespace purzo {

class CanvasWidget;
class FlightPlayer;

class AccessibleFlight : public QObject {
    Q_OBJECT

public:
    AccessibleFlight(CanvasWidget* canvas, FlightPlayer* player);

    // The canvas's description without a frame: before the first flight and while one runs.
    static QString IdleDescription();

signals:
    // Each announcement as it is made.
    void announced(const QString& text);

private:
    void remember(const FrameResult& frame);
    void describe();
    void announceFrame(const FrameResult& frame);
    void announceLanding();
    void announce(const QString& text);

    CanvasWidget* canvas_;
    FlightPlayer* player_;
    std::optional<FrameResult> shown_;
    QLabel* status_ = nullptr; // what is announced, as its accessible name
    double lastHeightM_ = 0;
    double lastRotationDeg_ = 0;
    bool highestSaid_ = false;
};

// Tells assistive technology that `warning` has appeared and should be read at once.
void AnnounceAlert(QWidget* warning);

} // namespace purzo
