// SPDX-License-Identifier: MIT
// The window as designed, handed to the page: the control table, the arrow keys, the canvas's
// sizes, the take-off ranges and the paces, all from the C++ sources both windows share.
#pragma once

#include <emscripten/val.h>

namespace purzo::web {

emscripten::val DesignForPage();

} // namespace purzo::web
