// SPDX-License-Identifier: MIT
#include "window/video/video_marks.h"

namespace purzo {

void VideoMarks::reset(int frameCount) {
    marks_.assign(std::size_t(std::max(frameCount, 0)), FrameMarks{});
    skipped_.assign(marks_.size(), {});
}

void VideoMarks::set(int frame, Joint joint, PixelPoint at) {
    MarkOf(marks_[std::size_t(frame)], joint) = at;
    skipped_[std::size_t(frame)].reset(std::size_t(joint));
}

void VideoMarks::skip(int frame, Joint joint) {
    MarkOf(marks_[std::size_t(frame)], joint).reset();
    skipped_[std::size_t(frame)].set(std::size_t(joint));
}

bool VideoMarks::skipped(int frame, Joint joint) const {
    return skipped_[std::size_t(frame)].test(std::size_t(joint));
}

void VideoMarks::takeTracked(int frame, const FrameMarks& found,
                             const std::bitset<kJointCount>& tracked) {
    for (const Joint joint : kJoints) {
        if (tracked.test(std::size_t(joint))) {
            MarkOf(marks_[std::size_t(frame)], joint) = MarkOf(found, joint);
            skipped_[std::size_t(frame)].reset(std::size_t(joint));
        }
    }
}

void VideoMarks::clear(int frame) {
    marks_[std::size_t(frame)] = {};
    skipped_[std::size_t(frame)].reset();
}

std::optional<Joint> VideoMarks::nextOpen(int frame) const {
    for (const Joint joint : kJoints) {
        if (!MarkOf(at(frame), joint) && !skipped(frame, joint)) {
            return joint;
        }
    }
    return std::nullopt;
}

int VideoMarks::markedFrames() const {
    int count = 0;
    for (const FrameMarks& m : marks_) {
        count += MarkedCount(m) > 0 ? 1 : 0;
    }
    return count;
}

} // namespace purzo
