// SPDX-License-Identifier: MIT
// A flight's chosen postures as a strip on screen, one mark per frame in its posture's shade:
// the marks' size for both front ends.
#pragma once

#include "flight/posture_shades.h"

namespace purzo {

inline constexpr double kPostureStripMarkPx = 5; // each frame's mark, at scale 1
inline constexpr double kPostureStripGapPx = 1;

} // namespace purzo
