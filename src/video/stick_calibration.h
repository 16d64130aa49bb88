// SPDX-License-Identifier: MIT
// The video's scale, floor and vertical from a stick of known length standing on the floor in the
// plane of the jump: its lower end is on the floor, the floor runs through it at right angles to
// the stick, and the stick points straight up, so a camera held a little crooked measures right.
#pragma once

#include "video/body_marks.h"

#include <optional>
#include <string>

namespace purzo {

inline constexpr double kStandardStickLengthM = 1.0;
// Ends closer than this are one click twice, not a stick.
inline constexpr double kShortestStickPx = 10.0;

struct Stick {
    PixelPoint a; // its two ends, in either order
    PixelPoint b;
    double lengthM = kStandardStickLengthM;
};

// A point of the plane of the jump: metres along the floor (to the right in the picture) and above
// it.
struct ScenePoint {
    double xM = 0;
    double heightM = 0;
};

struct Calibration {
    PixelPoint foot;          // the stick's end on the floor (the lower one in the picture)
    double upX = 0, upY = -1; // unit vector up, in pixels' directions
    double pixelsPerMetre = 0;

    ScenePoint toScene(PixelPoint p) const;
    PixelPoint toPixels(ScenePoint s) const;
    // The camera's roll: how far the stick leans from the picture's vertical, degrees clockwise.
    double rollDeg() const;
};

// The calibration, or why the stick gives none (a length that is no positive number, both ends
// in one place).
struct CalibrationError {
    std::string message;
};
std::optional<Calibration> CalibrationOf(const Stick& stick, CalibrationError* error = nullptr);

} // namespace purzo
