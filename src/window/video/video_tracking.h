// SPDX-License-Identifier: MIT
// The tracking tab at work: the panel's colours turned into a run from the frame on show, seeded
// with the marks of the frames before, its progress and its end told in the panel, and marks the
// student moves handed to it.
#pragma once

#include "video/body_marks.h"
#include "video/video_image.h"

#include <QObject>
#include <bitset>

namespace purzo {

class TrackingPanel;
class TrackingRun;
class VideoFile;
class VideoMarks;

class VideoTracking : public QObject {
    Q_OBJECT
public:
    VideoTracking(TrackingPanel* panel, QObject* parent = nullptr);
    ~VideoTracking() override;

    // Follows the markers of the panel's colours through `file` from `frame` to the end.
    void start(VideoFile& file, const VideoMarks& marks, int frame);
    void cancel();
    // Stops and forgets the run, before its file goes.
    void reset();
    bool running() const;
    // A mark the student moved: the frames still to come search from it.
    void correct(Joint joint, PixelPoint at);

    // A click on the marker of the joint chosen in the panel: its colour (the mean of the
    // pixels around `at`) is that joint's, and the marker's centre its mark in `frame`; the
    // panel moves on to the next joint. False when no joint is chosen.
    bool pick(const RgbImage& image, PixelPoint at, VideoMarks& marks, int frame);

signals:
    void frameTracked(int frame, const purzo::FrameMarks& found,
                      const std::bitset<kJointCount>& tracked, const purzo::RgbImage& image);
    void finished();

private:
    void runFinished(bool completed, int failedFrame);

    TrackingPanel* panel_;
    TrackingRun* run_ = nullptr;
};

} // namespace purzo
