// SPDX-License-Identifier: MIT
// A whole flight through the model alone, for comparing against what the window showed.
#pragma once

#include "flight/frame_step.h"

#include <algorithm>
#include <vector>

namespace purzo::test {

// Frame n reads postures[n - 1]; the last entry holds for the rest of the flight.
inline std::vector<FrameResult> ModelFlight(double speed, double angle,
                                            const std::vector<int>& postures = {1}) {
    Flight flight = StartFlight(ComputeFlightParameters(speed, angle));
    std::vector<FrameResult> frames;
    for (std::size_t i = 0; !flight.ended; ++i) {
        frames.push_back(RunFrame(flight, postures[std::min(i, postures.size() - 1)]));
    }
    return frames;
}

} // namespace purzo::test
