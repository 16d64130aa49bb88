// SPDX-License-Identifier: MIT
// A landing map computed off the window's thread: its cells shared out over the machine's cores,
// each flown on its own, so that the flight on the canvas never stutters. It can be cancelled
// between any two cells; destroying it cancels and waits, so that nothing runs on afterwards.
#pragma once

#include "flight/landing_map.h"

#include <atomic>
#include <thread>
#include <vector>

namespace purzo {

class MapComputation {
public:
    // Starts at once on `threads` threads (0: as many as the machine has cores).
    explicit MapComputation(MapRequest request, int threads = 0);
    ~MapComputation();
    MapComputation(const MapComputation&) = delete;
    MapComputation& operator=(const MapComputation&) = delete;

    const MapRequest& request() const { return request_; }
    const MapAxes& axes() const { return axes_; }
    int total() const { return axes_.columns * axes_.rows; }
    int done() const { return done_.load(); }
    bool finished() const { return done() == total() || cancelled_.load(); }
    void cancel();
    // The cells column by column, each column's rows in order; whole only once finished and not
    // cancelled.
    const std::vector<MapCell>& cells() const { return cells_; }

private:
    void work();

    MapRequest request_;
    MapAxes axes_;
    std::vector<MapCell> cells_;
    std::atomic<int> next_{0};
    std::atomic<int> done_{0};
    std::atomic<bool> cancelled_{false};
    std::vector<std::thread> threads_;
};

} // namespace purzo
