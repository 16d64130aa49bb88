// SPDX-License-Identifier: MIT
// Frames on a timer: the model computes, the player keeps the records and hands frames on.
#include "window/flight_player.h"

#include "body/posture_table.h"

#include <algorithm>

namespace purzo {

FlightPlayer::FlightPlayer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FlightPlayer::runFrame);
}

void FlightPlayer::startFlight(FlightRecord record, int pauseMs) {
    stop();
    record.frames.clear();
    flight_ = StartFlight(record.params, record.model);
    running_ = std::move(record);
    clock_.start(pauseMs);
    scheduleNextFrame();
}

bool FlightPlayer::replayLastFlight(int pauseMs) {
    if (!lastFlight_ || lastFlight_->frames.empty()) {
        return false;
    }
    stop();
    replayNext_ = 0;
    clock_.start(pauseMs);
    scheduleNextFrame();
    return true;
}

void FlightPlayer::stop() {
    ++generation_;
    timer_.stop();
    if (paused_) {
        paused_ = false;
        emit pausedChanged(false);
    }
    flight_.reset();
    running_.reset();
    replayNext_.reset();
    shownCount_ = 0;
}

const std::vector<FrameResult>& FlightPlayer::recordedFrames() const {
    static const std::vector<FrameResult> none;
    if (running_) {
        return running_->frames;
    }
    return lastFlight_ ? lastFlight_->frames : none;
}

std::size_t FlightPlayer::newestCount() const {
    if (replayNext_) {
        return *replayNext_;
    }
    return recordedFrames().size();
}

void FlightPlayer::togglePause() {
    if (!flightRunning() && !replayRunning()) {
        return;
    }
    paused_ = !paused_;
    if (paused_) {
        timer_.stop();
    } else {
        // Back to the newest frame, which the schedule starts from afresh.
        select(newestCount());
        clock_.resumeAfter(int(newestCount()));
        scheduleNextFrame();
    }
    emit pausedChanged(paused_);
}

bool FlightPlayer::canStep() const {
    const bool idle = !flightRunning() && !replayRunning();
    return (paused_ || idle) && !recordedFrames().empty();
}

bool FlightPlayer::select(std::size_t count) {
    const std::vector<FrameResult>& frames = recordedFrames();
    if (count == 0 || count > frames.size() || count == shownCount_) {
        return false;
    }
    shownCount_ = count;
    currentFrame_ = frames[count - 1];
    emit frameSelected(count);
    return true;
}

bool FlightPlayer::step(int delta) {
    if (!canStep()) {
        return false;
    }
    // A paused flight has recorded nothing beyond its newest frame; a replay has all of them.
    const std::size_t last = replayNext_ ? recordedFrames().size() : newestCount();
    const long long target =
        std::clamp<long long>(static_cast<long long>(shownCount_) + delta, 1, (long long)last);
    return select(std::size_t(target));
}

bool FlightPlayer::stepToEnd(bool newest) {
    if (!canStep()) {
        return false;
    }
    return select(newest ? (replayNext_ ? recordedFrames().size() : newestCount()) : 1);
}

void FlightPlayer::scheduleNextFrame() {
    const int next = replayNext_ ? int(*replayNext_) + 1 : flight_->framesRun + 1;
    timer_.start(clock_.waitBeforeFrame(next));
}

void FlightPlayer::runFrame() {
    if (paused_) {
        return;
    }
    if (replayNext_) {
        runReplayFrame();
        return;
    }
    if (!flightRunning()) {
        return;
    }
    // Read the posture now, so that a key pressed during the pause shows in this very frame.
    const int posture = postureSource_ ? postureSource_() : kFirstPosture;
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
    emit frameReady(frame);
    if (frame.lastFrame) {
        emit flightFinished(frame.frame);
    } else if (generation == generation_ && !paused_) {
        // Unless a listener started, stopped or paused a flight.
        scheduleNextFrame();
    }
}

void FlightPlayer::runReplayFrame() {
    const std::vector<FrameResult>& frames = lastFlight_->frames;
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
    emit frameReady(frames[index]);
    if (last) {
        emit replayFinished(int(frames.size()));
    } else if (generation == generation_ && !paused_) {
        scheduleNextFrame();
    }
}

} // namespace purzo
