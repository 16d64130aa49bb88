// SPDX-License-Identifier: MIT
// The pacing of a flight: when each frame is due.
#pragma once

#include <cstdint>
#include <functional>

namespace purzo {

// Frame n is due n pauses after the start, so that the time spent drawing never adds up. A
// frame that comes at least half a pause late (the event loop stalled: a busy machine, a window
// drag) re-anchors the schedule at itself, so that the frames after a stall are each on screen
// for a whole pause instead of being shown back to back.
class FrameClock {
public:
    using TimeSource = std::function<std::int64_t()>; // monotonic, nanoseconds

    // Without a time source the clock reads the system's monotonic clock.
    explicit FrameClock(TimeSource now = {});

    // The flight starts now; frame 1 is due one pause later.
    void start(int pauseMs);
    // Frame n is being shown now.
    void frameShown(int n);
    // After a pause: the schedule starts afresh with frame n as shown now, so frame n + 1 is due
    // one pause later.
    void resumeAfter(int n);
    // Milliseconds to wait from now until frame n is due, rounded up; 0 when it is due already.
    int waitBeforeFrame(int n) const;

    int pauseMs() const { return pauseMs_; }

private:
    std::int64_t dueNs(int n) const;

    TimeSource now_;
    int pauseMs_ = 0;
    std::int64_t anchorNs_ = 0; // when frame anchorFrame_ was due or shown
    int anchorFrame_ = 0;
};

} // namespace purzo
