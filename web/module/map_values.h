// SPDX-License-Identifier: MIT
// The landing map for the page and its worker: a map's axes and cells as plain values, the best
// plans among them, the palette and the lesson's flights that stand on it. The page computes no
// flight and formats no number of its own.
#pragma once

#include <emscripten/bind.h>

namespace purzo::web {

void BindLandingMap();

} // namespace purzo::web
