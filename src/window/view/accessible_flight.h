// SPDX-License-Identifier: MIT
// What a screen reader learns of a flight: the canvas's description names the frame shown (time,
// height, rotation, posture) and, after a landing, its verdict, whenever the flight is paused or
// over; a warning that appears is announced as an alert.
#pragma once

#include "flight/frame_step.h"

#include <QObject>
#include <optional>

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

private:
    void remember(const FrameResult& frame);
    void describe();

    CanvasWidget* canvas_;
    FlightPlayer* player_;
    std::optional<FrameResult> shown_;
};

// Tells assistive technology that `warning` has appeared and should be read at once.
void AnnounceAlert(QWidget* warning);

} // namespace purzo
