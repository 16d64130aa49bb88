// SPDX-License-Identifier: MIT
// The canvas's coordinate system, which the figure and the flight are computed in: 200 × 150
// canvas units, origin at the top left, x to the right, y downwards, the ground at the bottom.
#pragma once

#include <cstdint>

namespace purzo {

inline constexpr float kCanvasWidth = 200.0f;  // canvas units
inline constexpr float kCanvasHeight = 150.0f; // canvas units; y of the ground line
inline constexpr std::int16_t kUnitsPerMetre = 30;

// Degrees become radians with this five-decimal value everywhere, not with the exact constant:
// the reference frames in the tests depend on it (360° is 6.28318 rad, a trace short of a turn).
inline constexpr double kPi = 3.14159;

// (pi × degrees) / 180 with the stored pi, multiplication first.
constexpr double DegreesToRadians(double degrees) {
    return (kPi * degrees) / 180.0;
}

} // namespace purzo
