// SPDX-License-Identifier: MIT
// A filmed jump for the page: a frame's number and time as written, the stick's calibration, the
// fit of the marks and the coloured markers followed through the frames. The page measures
// nothing and formats no number of its own.
#pragma once

#include "flight/flight_record.h"
#include "video/jump_fit.h"

#include <emscripten/bind.h>
#include <optional>

namespace purzo::web {

void BindVideo();

// The fit's input as the page hands it over: {stick, timesS, marks, massKg, lastFloorFrame,
// touchdownFrame} (the two frames 0-based, left out or null where the feet tell them); nothing
// when the stick gives no calibration.
std::optional<JumpFitInput> JumpFitInputFrom(const emscripten::val& input);

// A filmed jump flown again with a tuck plan: the fit, its calibration and the flight.
struct WhatIfOfVideo {
    JumpFit fit;
    Calibration calibration;
    FlightRecord flight; // carries the plan and, where given, the prediction
};
// `plan` as the page hands plans over, `prediction` null or as the tuck plan's dialog gives it;
// nothing when the marks give no fit or the plan is none.
std::optional<WhatIfOfVideo> WhatIfOfVideoFrom(const emscripten::val& fitInput,
                                               const emscripten::val& plan,
                                               const emscripten::val& prediction);

} // namespace purzo::web
