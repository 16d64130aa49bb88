// SPDX-License-Identifier: MIT
#include "window/video/tracking_run.h"

#include "video/marker_tracking.h"
#include "video/video_file.h"

namespace purzo {

TrackingRun::TrackingRun(VideoFile& file,
                         const std::array<std::optional<QColor>, kJointCount>& colours, int from,
                         QObject* parent)
    : QObject(parent), file_(file), from_(from), next_(from),
      total_(std::max(file.frameCount() - from, 0)) {
    std::array<std::optional<MarkerColour>, kJointCount> rgb;
    for (std::size_t j = 0; j < colours.size(); ++j) {
        tracked_.set(j, colours[j].has_value());
        if (const auto& c = colours[j]) {
            rgb[j] = MarkerColour{std::uint8_t(c->red()), std::uint8_t(c->green()),
                                  std::uint8_t(c->blue())};
        }
    }
    tracker_ = std::make_unique<MarkerTracker>(rgb);
    // One frame each turn of the event loop: a frame decodes and is searched in a few
    // milliseconds, and clicks and repaints come between.
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &TrackingRun::trackNext);
}

TrackingRun::~TrackingRun() = default;

void TrackingRun::correct(Joint joint, PixelPoint at) {
    tracker_->correct(joint, at);
}

void TrackingRun::start() {
    if (next_ >= file_.frameCount()) {
        emit finished(true, -1);
        return;
    }
    timer_.start();
}

void TrackingRun::cancel() {
    if (timer_.isActive()) {
        timer_.stop();
        emit finished(false, -1);
    }
}

void TrackingRun::trackNext() {
    RgbImage image;
    VideoError error;
    if (!file_.readFrame(next_, image, error)) {
        timer_.stop();
        emit finished(false, next_);
        return;
    }
    const FrameMarks marks = tracker_->track(image);
    const int frame = next_++;
    if (next_ >= file_.frameCount()) {
        timer_.stop();
    }
    emit frameTracked(frame, marks, image);
    if (!timer_.isActive() && next_ >= file_.frameCount()) {
        emit finished(true, -1);
    }
}

} // namespace purzo
