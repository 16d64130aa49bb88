// SPDX-License-Identifier: MIT
// Frames on a timer: the model computes, the player keeps the records and hands frames on.
#include "window/flight_player.h"

#include "body/posture_table.h"

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
    flight_.reset();
    running_.reset();
    replayNext_.reset();
}

void FlightPlayer::scheduleNextFrame() {
    const int next = replayNext_ ? int(*replayNext_) + 1 : flight_->framesRun + 1;
    timer_.start(clock_.waitBeforeFrame(next));
}

void FlightPlayer::runFrame() {
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
    if (frame.lastFrame) {
        previousFlight_ = std::move(lastFlight_);
        lastFlight_ = std::move(running_);
        running_.reset();
    }
    const int generation = generation_;
    emit frameReady(frame);
    if (frame.lastFrame) {
        emit flightFinished(frame.frame);
    } else if (generation == generation_) { // unless a listener started or stopped a flight
        scheduleNextFrame();
    }
}

void FlightPlayer::runReplayFrame() {
    const std::vector<FrameResult>& frames = lastFlight_->frames;
    const std::size_t index = *replayNext_;
    clock_.frameShown(int(index) + 1);
    currentFrame_ = frames[index];
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
    } else if (generation == generation_) {
        scheduleNextFrame();
    }
}

} // namespace purzo
