// SPDX-License-Identifier: MIT
// A filmed jump for the page: a frame's number and time as written, the stick's calibration, the
// fit of the marks and the coloured markers followed through the frames. The page measures
// nothing and formats no number of its own.
#pragma once

#include <emscripten/bind.h>

namespace purzo::web {

void BindVideo();

} // namespace purzo::web
