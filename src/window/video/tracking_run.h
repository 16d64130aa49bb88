// SPDX-License-Identifier: MIT
// The coloured markers followed from one frame to the video's end, a frame at a time between
// the window's other events, so that the window answers and the run can be stopped at once.
// Each frame found is handed on with its picture; a mark the student moves meanwhile sets the
// prediction the following frames search from.
#pragma once

#include "video/body_marks.h"
#include "video/video_image.h"

#include <QColor>
#include <QObject>
#include <QTimer>
#include <array>
#include <bitset>
#include <memory>
#include <optional>

namespace purzo {

class MarkerTracker;
class VideoFile;

// The colours come as the panel picked them.
class TrackingRun : public QObject {
    Q_OBJECT
public:
    // Follows the markers of the joints that have a colour through `file` (which must outlive
    // the run) from frame `from` on.
    TrackingRun(VideoFile& file, const std::array<std::optional<QColor>, kJointCount>& colours,
                int from, QObject* parent = nullptr);
    ~TrackingRun() override;

    // Where a joint was in the frames before the run, or where the student moved it to.
    void correct(Joint joint, PixelPoint at);
    void start();
    void cancel();
    bool running() const { return timer_.isActive(); }
    // The frame tracked next, and the frames the run covers.
    int next() const { return next_; }
    int from() const { return from_; }
    int total() const { return total_; }
    // The joints looked for.
    std::bitset<kJointCount> tracked() const { return tracked_; }

signals:
    void frameTracked(int frame, const purzo::FrameMarks& marks, const purzo::RgbImage& image);
    // At the end, when cancelled, or at the frame the file broke off before (`failedFrame`).
    void finished(bool completed, int failedFrame);

private:
    void trackNext();

    VideoFile& file_;
    std::unique_ptr<MarkerTracker> tracker_;
    std::bitset<kJointCount> tracked_;
    int from_;
    int next_;
    int total_;
    QTimer timer_;
};

} // namespace purzo
