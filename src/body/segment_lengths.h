// SPDX-License-Identifier: MIT
// The stick figure's segment lengths in canvas units, from its proportions in metres.
#pragma once

#include <cstdint>

namespace purzo {

struct SegmentLengths {
    double trunkLength = 0; // hip to shoulder
    double upperArmLength = 0;
    double forearmLength = 0;
    double thighLength = 0;
    double shankLength = 0;
    double headRadius = 0;
    // Shoulder to the bottom of the head: a whole number of units on the designed figure, scaled
    // with the rest for an athlete of another height.
    double neckLength = 0;
};

// Each proportion (trunk 0.6 m, upper arm 0.4, forearm 0.3, thigh 0.4, shank 0.4, head radius
// 0.15, neck 0.1) times unitsPerMetre; the neck rounded half to even.
SegmentLengths SegmentLengthsFor(std::int16_t unitsPerMetre);

// The lengths at the canvas's 30 units per metre: 18, 12, 9, 12, 12, 4.5 and 3.
const SegmentLengths& StandardSegmentLengths();

} // namespace purzo
