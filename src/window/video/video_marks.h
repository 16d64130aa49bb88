// SPDX-License-Identifier: MIT
// The student's marks on one video: every frame's joints where they were clicked or tracked, the
// joints said to be out of sight, and which joint the marking offers next.
#pragma once

#include "video/body_marks.h"

#include <bitset>
#include <optional>
#include <vector>

namespace purzo {

class VideoMarks {
public:
    // Empty marks for a video of `frameCount` frames.
    void reset(int frameCount);
    int frameCount() const { return int(marks_.size()); }

    const FrameMarks& at(int frame) const { return marks_[std::size_t(frame)]; }
    const std::vector<FrameMarks>& all() const { return marks_; }
    // Each frame's marks, with nothing where a joint is out of sight.
    void set(int frame, Joint joint, PixelPoint at);
    // "Nicht sichtbar": the joint has no mark in this frame and is not offered again.
    void skip(int frame, Joint joint);
    bool skipped(int frame, Joint joint) const;
    const std::bitset<kJointCount>& skippedAt(int frame) const {
        return skipped_[std::size_t(frame)];
    }
    // A tracked frame: the joints found replace their marks, a joint looked for and not found
    // loses its mark; the others keep theirs.
    void takeTracked(int frame, const FrameMarks& found, const std::bitset<kJointCount>& tracked);
    void clear(int frame);

    // The first joint in the marking's order neither marked nor skipped; nothing when all are.
    std::optional<Joint> nextOpen(int frame) const;
    // Frames with at least one mark.
    int markedFrames() const;

private:
    std::vector<FrameMarks> marks_;
    std::vector<std::bitset<kJointCount>> skipped_;
};

} // namespace purzo
