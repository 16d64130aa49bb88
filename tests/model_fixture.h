// SPDX-License-Identifier: MIT
// A whole flight through the model alone, for comparing against what the window showed.
#pragma once

#include "flight/whole_flight.h"

#include <vector>

namespace purzo::test {

// Frame n reads postures[n - 1]; the last entry holds for the rest of the flight.
inline std::vector<FrameResult> ModelFlight(double speed, double angle,
                                            const std::vector<int>& postures = {1},
                                            Model model = Model::Classic) {
    return RunWholeFlight(ComputeFlightParameters(speed, angle), postures, model);
}

} // namespace purzo::test
