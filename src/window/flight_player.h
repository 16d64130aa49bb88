// SPDX-License-Identifier: MIT
// Runs a flight, or replays the last one, frame by frame on the event loop: a single-shot timer
// paced by the frame clock, the posture read just before each frame, and the flight records. A
// flight or replay can be paused; while paused or after a flight, its recorded frames can be
// stepped through. It shows nothing itself; whoever shows the frames listens to frameReady and
// frameSelected.
#pragma once

#include "flight/flight_record.h"
#include "flight/frame_clock.h"
#include "flight/frame_step.h"

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
    // The wait before the next frame as the timer was last set, ms; -1 when none is due.
    int nextFrameWaitMs() const { return timer_.isActive() ? timer_.interval() : -1; }

    // Ends whatever runs and starts the flight `record` describes (its texts, parameters and
    // model; its frames are ignored); frame 1 comes one pause later.
    void startFlight(FlightRecord record, int pauseMs);
    // Plays the last flight again, frame for frame; nothing when there is none.
    bool replayLastFlight(int pauseMs);
    // Ends a running flight, which is dropped, or a replay.
    void stop();

    // Pauses a running flight or replay, or resumes it from its newest frame with the frame
    // clock started afresh; nothing without one.
    void togglePause();
    bool paused() const { return paused_; }
    // Whether the recorded frames can be stepped through: while paused, or after a flight.
    bool canStep() const;
    // Shows the recorded frame `delta` frames on (back when negative), held at the first and the
    // newest; never computes a frame. False when nothing changed.
    bool step(int delta);
    // The first or the newest recorded frame.
    bool stepToEnd(bool newest);
    // The frames of the flight or replay on show: as recorded so far, or the last flight.
    const std::vector<FrameResult>& recordedFrames() const;
    // How many of them are shown: up to and including the current frame.
    std::size_t shownCount() const { return shownCount_; }

    bool flightRunning() const { return flight_.has_value() && !flight_->ended; }
    bool replayRunning() const { return replayNext_.has_value(); }
    // The frame last handed out, from the running or the last flight, or the replay.
    const std::optional<FrameResult>& currentFrame() const { return currentFrame_; }
    // The last flight that ran to its end, and the one before it.
    const std::optional<FlightRecord>& lastFlight() const { return lastFlight_; }
    const std::optional<FlightRecord>& previousFlight() const { return previousFlight_; }

signals:
    void frameReady(const FrameResult& frame);
    // Stepping, or a resume, chose another of the recorded frames to show.
    void frameSelected(std::size_t shownCount);
    void pausedChanged(bool paused);
    void flightFinished(int frames);
    void replayFinished(int frames);

private:
    void scheduleNextFrame();
    void runFrame();
    void runReplayFrame();
    std::size_t newestCount() const;
    bool select(std::size_t count);

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
    bool paused_ = false;
    std::size_t shownCount_ = 0;
};

} // namespace purzo
