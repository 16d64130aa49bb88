// SPDX-License-Identifier: MIT
// The shade of each posture where a flight's chosen postures stand as a strip: stretched pale, the
// deeper the tuck the darker, in one hue so that it reads in grey and for every colour vision.
// The sheets' posture column and both front ends' strips take it from here.
#pragma once

#include <cstdint>

namespace purzo {

// ARGB of posture 1 … 7; anything outside is held at the nearer end.
std::uint32_t PostureShade(int posture);

} // namespace purzo
