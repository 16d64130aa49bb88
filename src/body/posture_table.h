// SPDX-License-Identifier: MIT
// The seven body postures: limb directions and how fast each posture turns the figure.
#pragma once

#include <cstdint>

namespace purzo {

inline constexpr int kFirstPosture = 1; // stretched, arms above the head
inline constexpr int kLastPosture = 7;  // tightest tuck

struct PostureRow {
    std::int16_t upperArmDeg; // directions clockwise from straight up, relative to the trunk
    std::int16_t forearmDeg;
    std::int16_t thighDeg;
    std::int16_t shankDeg;
    int rotationIncrementDeg; // per frame spent in this posture
};

struct LimbDirections {
    double upperArmAngle = 0; // radians, converted with the stored pi
    double forearmAngle = 0;
    double thighAngle = 0;
    double shankAngle = 0;
};

// A shape as the table writes it: the four limb directions in degrees, clockwise from straight up
// relative to the trunk; between two rows while the limbs are on their way.
struct LimbDegrees {
    double upperArmDeg = 0;
    double forearmDeg = 0;
    double thighDeg = 0;
    double shankDeg = 0;

    friend bool operator==(const LimbDegrees&, const LimbDegrees&) = default;
};

// Row of posture 1..7; anything outside is held at the nearer end.
const PostureRow& PostureRowFor(int posture);

// The posture's four limb directions in radians.
LimbDirections LimbDirectionsFor(int posture);

// The posture's shape in degrees, and any shape's directions in radians (the table's own
// conversion, so that a row's shape gives exactly LimbDirectionsFor's).
LimbDegrees LimbDegreesFor(int posture);
LimbDirections LimbDirectionsOf(const LimbDegrees& shape);

} // namespace purzo
