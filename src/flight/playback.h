// SPDX-License-Identifier: MIT
// Runs a flight, or replays the last one, frame by frame, paced by the frame clock: the posture
// read just before each frame, the flight records kept. A flight or replay can be paused; while
// paused or after a flight, its recorded frames can be stepped through. It owns no timer and
// shows nothing: the front end's adapter waits as asked and hands on what it is told.
#pragma once

#include "flight/flight_record.h"
#include "flight/frame_clock.h"
#include "flight/frame_step.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace purzo {

class Playback {
public:
    // What the front end does for the playback; called back from within its calls.
    class Listener {
    public:
        virtual ~Listener() = default;
        // Call runDueFrame() after waitMs; a later schedule or a cancel replaces it.
        virtual void schedule(int waitMs) = 0;
        virtual void cancelSchedule() = 0;
        // The posture for the frame about to run; asked only while a flight runs.
        virtual int readPosture() = 0;
        virtual void frameReady(const FrameResult& frame) = 0;
        // Stepping, or a resume, chose another of the recorded frames to show.
        virtual void frameSelected(std::size_t shownCount) = 0;
        virtual void pausedChanged(bool paused) = 0;
        virtual void flightFinished(int frames) = 0;
        virtual void replayFinished(int frames) = 0;
    };

    explicit Playback(Listener& listener, FrameClock::TimeSource now = {});

    void setTimeSource(FrameClock::TimeSource now) { clock_ = FrameClock(std::move(now)); }

    // Ends whatever runs and starts the flight `record` describes (its texts, parameters and
    // model; its frames are ignored); frame 1 comes one pause later.
    void startFlight(FlightRecord record, int pauseMs);
    // Plays the last flight again, frame for frame; false when there is none.
    bool replayLastFlight(int pauseMs);
    // Plays a kept flight again, frame for frame, in its own model; it stays the flight on show
    // until the next flight starts. False when it has no frames.
    bool replay(FlightRecord record, int pauseMs);
    // Ends a running flight, which is dropped, or a replay.
    void stop();
    // The due frame: the front end's wait is over.
    void runDueFrame();

    // Pauses a running flight or replay, or resumes it with the frame clock started afresh: a
    // flight from its newest frame, a replay from the frame shown; nothing without one.
    void togglePause();
    bool paused() const { return paused_; }
    // Whether the recorded frames can be stepped through: while paused, or after a flight.
    bool canStep() const;
    // Shows the recorded frame `delta` frames on (back when negative), held at the first and the
    // last recorded; never computes a frame. False when nothing changed.
    bool step(int delta);
    // The first or the last recorded frame.
    bool stepToEnd(bool newest);

    // The frames of the flight or replay on show: as recorded so far, the flight replayed, or the
    // last flight.
    const std::vector<FrameResult>& recordedFrames() const;
    // How many of them are shown: up to and including the current frame.
    std::size_t shownCount() const { return shownCount_; }

    bool flightRunning() const { return flight_.has_value() && !flight_->ended; }
    bool replayRunning() const { return replayNext_.has_value(); }
    // The frame last handed out, from the running or the last flight, or the replay.
    const std::optional<FrameResult>& currentFrame() const { return currentFrame_; }
    // The flight replayed last, if it is still on show.
    const std::optional<FlightRecord>& replayedFlight() const { return replayed_; }
    // The flight running now, with its frames so far.
    const std::optional<FlightRecord>& runningFlight() const { return running_; }
    // The last flight that ran to its end, and the one before it.
    const std::optional<FlightRecord>& lastFlight() const { return lastFlight_; }
    const std::optional<FlightRecord>& previousFlight() const { return previousFlight_; }

private:
    void scheduleNextFrame();
    void runFlightFrame();
    void runReplayFrame();
    bool select(std::size_t count);

    Listener& listener_;
    FrameClock clock_;
    std::optional<Flight> flight_;
    std::optional<FlightRecord> running_; // what the running flight has shown so far
    std::optional<FlightRecord> lastFlight_;
    std::optional<FlightRecord> previousFlight_;
    std::optional<FlightRecord> replayed_;  // the flight replayed, until the next flight starts
    std::optional<std::size_t> replayNext_; // the replay's next frame in replayed_
    std::optional<FrameResult> currentFrame_;
    int generation_ = 0; // counts stops, so that a frame knows whether its flight still runs
    bool paused_ = false;
    std::size_t shownCount_ = 0;
};

} // namespace purzo
