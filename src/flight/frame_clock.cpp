// SPDX-License-Identifier: MIT
// Drift-free frame schedule that re-anchors after a stall.
#include "flight/frame_clock.h"

#include <chrono>

namespace purzo {
namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;

std::int64_t SteadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

FrameClock::FrameClock(TimeSource now) : now_(now ? std::move(now) : TimeSource(SteadyNs)) {}

void FrameClock::start(int pauseMs) {
    pauseMs_ = pauseMs;
    anchorNs_ = now_();
    anchorFrame_ = 0;
}

std::int64_t FrameClock::dueNs(int n) const {
    return anchorNs_ + std::int64_t(n - anchorFrame_) * pauseMs_ * kNsPerMs;
}

void FrameClock::frameShown(int n) {
    const std::int64_t t = now_();
    // A millisecond or two late, as timers and rounding make most frames, keeps the schedule.
    if (2 * (t - dueNs(n)) >= std::int64_t(pauseMs_) * kNsPerMs) {
        anchorNs_ = t;
        anchorFrame_ = n;
    }
}

void FrameClock::resumeAfter(int n) {
    anchorNs_ = now_();
    anchorFrame_ = n;
}

int FrameClock::waitBeforeFrame(int n) const {
    const std::int64_t waitNs = dueNs(n) - now_();
    return waitNs > 0 ? int((waitNs + kNsPerMs - 1) / kNsPerMs) : 0;
}

} // namespace purzo
