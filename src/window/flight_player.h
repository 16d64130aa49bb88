// SPDX-License-Identifier: MIT
// Runs a flight, or replays the last one, frame by frame on the event loop: a single-shot timer
// paced by the frame clock, the posture read just before each frame, and the flight records. It
// shows nothing itself; whoever shows the frames listens to frameReady.
#pragma once

#include "flight/flight_record.h"
#include "flight/frame_step.h"
#include "window/frame_clock.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace purzo {

class FlightPlayer : public QObject {
    Q_OBJECT
public:
    explicit FlightPlayer(QObject* parent = nullptr);

    // Asked just before each frame of a flight for the posture to read.
    void setPostureSource(std::function<int()> source) { postureSource_ = std::move(source); }
    void setTimeSource(FrameClock::TimeSource now) { clock_ = FrameClock(std::move(now)); }

    // Ends whatever runs and starts the flight `record` describes (its texts, parameters and
    // model; its frames are ignored); frame 1 comes one pause later.
    void startFlight(FlightRecord record, int pauseMs);
    // Plays the last flight again, frame for frame; nothing when there is none.
    bool replayLastFlight(int pauseMs);
    // Ends a running flight, which is dropped, or a replay.
    void stop();

    bool flightRunning() const { return flight_.has_value() && !flight_->ended; }
    bool replayRunning() const { return replayNext_.has_value(); }
    // The frame last handed out, from the running or the last flight, or the replay.
    const std::optional<FrameResult>& currentFrame() const { return currentFrame_; }
    // The last flight that ran to its end, and the one before it.
    const std::optional<FlightRecord>& lastFlight() const { return lastFlight_; }
    const std::optional<FlightRecord>& previousFlight() const { return previousFlight_; }

signals:
    void frameReady(const FrameResult& frame);
    void flightFinished(int frames);
    void replayFinished(int frames);

private:
    void scheduleNextFrame();
    void runFrame();
    void runReplayFrame();

    std::function<int()> postureSource_;
    FrameClock clock_;
    QTimer timer_;
    std::optional<Flight> flight_;
    std::optional<FlightRecord> running_; // what the running flight has shown so far
    std::optional<FlightRecord> lastFlight_;
    std::optional<FlightRecord> previousFlight_;
    std::optional<std::size_t> replayNext_; // the replay's next frame in lastFlight_
    std::optional<FrameResult> currentFrame_;
    int generation_ = 0; // counts stops, so that a frame knows whether its flight still runs
};

} // namespace purzo
