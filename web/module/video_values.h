// SPDX-License-Identifier: MIT
// A filmed jump for the page: a frame's number and time as written, the stick's calibration, the
// fit of the marks and the coloured markers followed through the frames. The page measures
// nothing and formats no number of its own.
#pragma once

#include "video/jump_fit.h"

#include <emscripten/bind.h>
#include <optional>

namespace purzo::web {

void BindVideo();

// The fit's input as the page hands it over: {stick, timesS, marks, massKg}; nothing when the
// stick gives no calibration.
std::optional<JumpFitInput> JumpFitInputFrom(const emscripten::val& input);

} // namespace purzo::web
