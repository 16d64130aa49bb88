// SPDX-License-Identifier: MIT
// The playback's states: a flight running, a replay running, either paused, or idle after one.
#include "flight/playback.h"

#include <algorithm>

namespace purzo {

Playback::Playback(Listener& listener, FrameClock::TimeSource now)
    : listener_(listener), clock_(std::move(now)) {}

void Playback::startFlight(FlightRecord record, int pauseMs) {
    stop();
    replayed_.reset();
    record.frames.clear();
    flight_ = StartFlight(record.params, record.model, record.athlete);
    running_ = std::move(record);
    clock_.start(pauseMs);
    scheduleNextFrame();
}

bool Playback::replayLastFlight(int pauseMs) {
    return lastFlight_ && replay(*lastFlight_, pauseMs);
}

bool Playback::replay(FlightRecord record, int pauseMs) {
    if (record.frames.empty()) {
        return false;
    }
    stop();
    replayed_ = std::move(record);
    replayNext_ = 0;
    clock_.start(pauseMs);
    scheduleNextFrame();
    return true;
}

void Playback::stop() {
    ++generation_;
    listener_.cancelSchedule();
    if (paused_) {
        paused_ = false;
        listener_.pausedChanged(false);
    }
    flight_.reset();
    running_.reset();
    replayNext_.reset();
    shownCount_ = 0;
}

const std::vector<FrameResult>& Playback::recordedFrames() const {
    static const std::vector<FrameResult> none;
    if (running_) {
        return running_->frames;
    }
    if (replayed_) {
        return replayed_->frames;
    }
    return lastFlight_ ? lastFlight_->frames : none;
}

void Playback::togglePause() {
    if (!flightRunning() && !replayRunning()) {
        return;
    }
    paused_ = !paused_;
    if (paused_) {
        listener_.cancelSchedule();
        listener_.pausedChanged(true);
        return;
    }
    // A flight goes on from its newest frame, the only one the model can continue; a replay has
    // every frame and goes on after the one stepped to.
    std::size_t shown = recordedFrames().size();
    if (replayNext_) {
        shown = shownCount_;
        if (shown == recordedFrames().size()) {
            replayNext_.reset();
            listener_.pausedChanged(false);
            listener_.replayFinished(int(shown));
            return;
        }
        replayNext_ = shown;
    } else {
        select(shown);
    }
    clock_.resumeAfter(int(shown));
    scheduleNextFrame();
    listener_.pausedChanged(false);
}

bool Playback::canStep() const {
    const bool idle = !flightRunning() && !replayRunning();
    return (paused_ || idle) && !recordedFrames().empty();
}

bool Playback::select(std::size_t count) {
    const std::vector<FrameResult>& frames = recordedFrames();
    if (count == 0 || count > frames.size() || count == shownCount_) {
        return false;
    }
    shownCount_ = count;
    currentFrame_ = frames[count - 1];
    listener_.frameSelected(count);
    return true;
}

bool Playback::step(int delta) {
    if (!canStep()) {
        return false;
    }
    const long long last = static_cast<long long>(recordedFrames().size());
    return select(
        std::size_t(std::clamp<long long>(static_cast<long long>(shownCount_) + delta, 1, last)));
}

bool Playback::stepToEnd(bool newest) {
    if (!canStep()) {
        return false;
    }
    return select(newest ? recordedFrames().size() : 1);
}

void Playback::scheduleNextFrame() {
    const int next = replayNext_ ? int(*replayNext_) + 1 : flight_->framesRun + 1;
    listener_.schedule(clock_.waitBeforeFrame(next));
}

void Playback::runDueFrame() {
    if (paused_) {
        return;
    }
    if (replayNext_) {
        runReplayFrame();
    } else if (flightRunning()) {
        runFlightFrame();
    }
}

void Playback::runFlightFrame() {
    // Read the posture now, so that a key pressed during the pause shows in this very frame.
    const int posture = listener_.readPosture();
    clock_.frameShown(flight_->framesRun + 1);
    const FrameResult frame = RunFrame(*flight_, posture);
    currentFrame_ = frame;
    running_->frames.push_back(frame);
    shownCount_ = running_->frames.size();
    if (frame.lastFrame) {
        previousFlight_ = std::move(lastFlight_);
        lastFlight_ = std::move(running_);
        running_.reset();
    }
    const int generation = generation_;
    listener_.frameReady(frame);
    if (frame.lastFrame) {
        listener_.flightFinished(frame.frame);
    } else if (generation == generation_ && !paused_) {
        // Unless a listener started, stopped or paused a flight.
        scheduleNextFrame();
    }
}

void Playback::runReplayFrame() {
    const std::vector<FrameResult>& frames = replayed_->frames;
    const std::size_t index = *replayNext_;
    clock_.frameShown(int(index) + 1);
    currentFrame_ = frames[index];
    shownCount_ = index + 1;
    const bool last = index + 1 == frames.size();
    if (last) {
        replayNext_.reset();
    } else {
        replayNext_ = index + 1;
    }
    const int generation = generation_;
    listener_.frameReady(frames[index]);
    if (last) {
        listener_.replayFinished(int(frames.size()));
    } else if (generation == generation_ && !paused_) {
        scheduleNextFrame();
    }
}

} // namespace purzo
