// SPDX-License-Identifier: MIT
// A flight's chosen postures as a strip, one mark per frame: stretched pale, the deeper the tuck
// the darker, in one hue so that it reads in grey and for every colour vision. Both front ends
// draw the log's, the comparison's and the sheets' strips with it.
#pragma once

#include "design/canvas_design.h"

namespace purzo {

inline constexpr double kPostureStripMarkPx = 5; // each frame's mark, at scale 1
inline constexpr double kPostureStripGapPx = 1;

// The shade of posture 1 … 7; anything outside is held at the nearer end.
Argb PostureShade(int posture);

} // namespace purzo
