// SPDX-License-Identifier: MIT
#include "window/tools/map_computation.h"

#include <algorithm>

namespace purzo {

MapComputation::MapComputation(MapRequest request, int threads)
    : request_(std::move(request)), axes_(MapAxesFor(request_)) {
    cells_.resize(std::size_t(total()));
    const int count =
        threads > 0 ? threads : int(std::max(1u, std::thread::hardware_concurrency()));
    for (int i = 0; i < std::min(count, std::max(total(), 1)); ++i) {
        threads_.emplace_back([this] { work(); });
    }
}

MapComputation::~MapComputation() {
    cancel();
}

void MapComputation::cancel() {
    cancelled_ = done() < total();
    for (std::thread& t : threads_) {
        if (t.joinable()) {
            t.join();
        }
    }
}

void MapComputation::work() {
    // Each thread takes the next cell until none is left or the map is cancelled.
    for (int index = next_++; index < total() && !cancelled_.load(); index = next_++) {
        cells_[std::size_t(index)] =
            MapCellAt(request_, axes_, index / axes_.rows, index % axes_.rows);
        ++done_;
    }
}

} // namespace purzo
