// SPDX-License-Identifier: MIT
// What a flight derives from its take-off values before the first frame.
#pragma once

#include "model_state.h"

#include <cstdint>

namespace purzo {

enum class Pace { RealTime, SlowMotion, ExtremeSlowMotion }; // Echtzeit, Zeitlupe, Extrem-Zeitlupe

struct FlightParameters {
    double takeoffSpeed = 0; // m/s
    double takeoffAngle = 0; // degrees
    double angleRad = 0;
    double flightTime = 0;  // s, back to take-off height
    double flightRange = 0; // m, in that time
    double stepX = 0;       // m per frame, 1/17 s of flight
    std::int32_t frameDelayMs = 0;
};

std::int32_t FrameDelayMs(Pace pace);

// Arithmetic in the order the flight formulas are written; g is the fixed 9.81.
FlightParameters ComputeFlightParameters(const ModelState& model, double takeoffSpeed,
                                         double takeoffAngle, Pace pace);

} // namespace purzo
