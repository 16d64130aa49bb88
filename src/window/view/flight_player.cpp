// SPDX-License-Identifier: MIT
// The playback's waits on a precise single-shot timer.
#include "window/view/flight_player.h"

#include "body/posture_table.h"

namespace purzo {

FlightPlayer::FlightPlayer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { playback_.runDueFrame(); });
}

int FlightPlayer::Relay::readPosture() {
    return player_.postureSource_ ? player_.postureSource_() : kFirstPosture;
}

} // namespace purzo
