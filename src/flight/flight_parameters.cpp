// SPDX-License-Identifier: MIT
// Flight time, range and step per frame.
#include "flight/flight_parameters.h"

#include "body/canvas_units.h"
#include "flight/flight_constants.h"

#include <cmath>

namespace purzo {

FlightParameters ComputeFlightParameters(double takeoffSpeed, double takeoffAngle) {
    FlightParameters f;
    f.takeoffSpeed = takeoffSpeed;
    f.takeoffAngle = takeoffAngle;
    f.angleRad = DegreesToRadians(takeoffAngle);
    f.flightTime = ((takeoffSpeed * std::sin(f.angleRad)) / kGravity) * 2.0;
    f.flightRange = ((takeoffSpeed * takeoffSpeed) * std::sin(f.angleRad * 2.0)) / kGravity;
    f.stepX = f.flightRange / (f.flightTime * kFramesPerSecond);
    return f;
}

} // namespace purzo
