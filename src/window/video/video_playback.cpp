// SPDX-License-Identifier: MIT
#include "window/video/video_playback.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>

namespace purzo {

VideoPlayback::VideoPlayback(QObject* parent) : QObject(parent) {
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    clock_ = [steady] { return steady->elapsed(); };
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &VideoPlayback::advance);
}

void VideoPlayback::setClock(Clock clock) {
    clock_ = std::move(clock);
}

void VideoPlayback::setFrameTimes(std::vector<double> timesS) {
    pause();
    timesS_ = std::move(timesS);
    shown_ = 0;
}

void VideoPlayback::setSpeed(double speed) {
    if (speed <= 0 || speed == speed_) {
        return;
    }
    // The new pace counts from the frame on show, so that nothing jumps.
    speed_ = speed;
    if (playing_) {
        startFrame_ = shown_;
        startMs_ = clock_();
        scheduleNext();
    }
}

double VideoPlayback::dueMs(int i) const {
    return double(startMs_) +
           (timesS_[std::size_t(i)] - timesS_[std::size_t(startFrame_)]) * 1000.0 / speed_;
}

void VideoPlayback::play(int frame) {
    if (timesS_.size() < 2) {
        return;
    }
    const int last = int(timesS_.size()) - 1;
    shown_ = frame >= last ? 0 : std::clamp(frame, 0, last);
    startFrame_ = shown_;
    startMs_ = clock_();
    if (!playing_) {
        playing_ = true;
        emit playingChanged(true);
    }
    if (frame >= last) {
        emit frameDue(shown_);
    }
    scheduleNext();
}

void VideoPlayback::pause() {
    timer_.stop();
    if (playing_) {
        playing_ = false;
        emit playingChanged(false);
    }
}

void VideoPlayback::advance() {
    if (!playing_) {
        return;
    }
    const int last = int(timesS_.size()) - 1;
    const double now = double(clock_());
    int due = shown_;
    while (due < last && dueMs(due + 1) <= now) {
        ++due;
    }
    if (due != shown_) {
        shown_ = due;
        emit frameDue(shown_);
    }
    if (shown_ >= last) {
        pause();
        return;
    }
    scheduleNext();
}

void VideoPlayback::scheduleNext() {
    const int last = int(timesS_.size()) - 1;
    if (!playing_ || shown_ >= last) {
        return;
    }
    const double wait = dueMs(shown_ + 1) - double(clock_());
    timer_.start(int(std::clamp(std::ceil(wait), 0.0, 10000.0)));
}

} // namespace purzo
