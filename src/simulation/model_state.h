// SPDX-License-Identifier: MIT
// The model state filled once at start-up: constants, canvas height and segment lengths.
#pragma once

#include <cstdint>
#include <string_view>

namespace purzo {

struct ModelState {
    double gravity = 0;       // m/s²
    double takeoffHeight = 0; // m, centre of mass above the ground at take-off
    std::int16_t unitsPerMetre = 0;
    float canvasHeight = 0; // canvas units
    double trunkLength = 0; // canvas units, hip to shoulder
    double thighLength = 0;
    double shankLength = 0;
    double upperArmLength = 0;
    double forearmLength = 0;
    double headRadius = 0;
    std::int16_t neckLength = 0; // canvas units, the only length held as an integer
    double pi = 0;
};

// Fills the state as the window does when it loads. A height text that is not a number leaves
// the take-off height at 0 m rather than failing start-up.
ModelState LoadModelState(std::string_view takeoffHeightText, float canvasScaleHeight);

// The model state of the window as designed.
ModelState DefaultModelState();

// (pi × degrees) / 180 with the stored pi, multiplication first.
double DegreesToRadians(double pi, double degrees);

} // namespace purzo
