// SPDX-License-Identifier: MIT
// What a flight derives from its take-off values before the first frame.
#pragma once

namespace purzo {

struct FlightParameters {
    double takeoffSpeed = 0; // m/s
    double takeoffAngle = 0; // degrees
    double angleRad = 0;     // with the stored pi
    double flightTime = 0;   // s, back to take-off height
    double flightRange = 0;  // m, in that time
    double stepX = 0;        // m per frame, 1/17 s of flight
};

// Flight time T = 2·v·sin α / g, range R = v²·sin 2α / g and the step R / (17·T), with the
// arithmetic in that written order.
FlightParameters ComputeFlightParameters(double takeoffSpeed, double takeoffAngle);

} // namespace purzo
