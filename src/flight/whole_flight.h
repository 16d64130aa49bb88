// SPDX-License-Identifier: MIT
// A whole flight at once, from a list of postures, for the trace tool, the tests and the
// benchmark.
#pragma once

#include "flight/frame_step.h"

#include <span>
#include <vector>

namespace purzo {

// postures[n - 1] is read for frame n; the last one holds for the rest of the flight, and an
// empty list reads posture 1 throughout.
int PostureForFrame(std::span<const int> postures, int frame);

std::vector<FrameResult> RunWholeFlight(const FlightParameters& params,
                                        std::span<const int> postures, Model model = Model::Classic,
                                        const Athlete& athlete = kStandardAthlete);

} // namespace purzo
