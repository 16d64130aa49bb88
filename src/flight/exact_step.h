// SPDX-License-Identifier: MIT
// The exact model's frame step: the stretched body takes off from the floor, its centre of mass
// rides the parabola, it turns with its angular momentum conserved and lands on the floor.
#pragma once

#include "flight/frame_step.h"

namespace purzo {

// The athlete's figure with its lengths and mass.
MassiveBody MassiveBodyOf(const Athlete& athlete);

// The centre of mass's height above the lowest point of the stretched, upright body, m: the
// take-off height when the foot stands on the ground.
double ExactTakeoffHeightM(const SegmentLengths& lengths);

// Angular momentum at take-off: the stretched body turning at the athlete's spin (the standard
// 170°/s is the classic's 10° per frame). Conserved through the flight.
double TakeoffAngularMomentumKgM2PerS(const Athlete& athlete);

// The centre of mass at t seconds after take-off.
struct ExactFlightPoint {
    double flightX = 0; // m from take-off
    Point path;         // canvas units
};
ExactFlightPoint ComputeExactFlightPoint(const FlightParameters& params, double takeoffHeightM,
                                         double timeS);

// How far the body turns while its limbs move linearly in time from `from` to `to` over one
// frame (1/17 s), during the first `intervalS` seconds of it: the integral of (L − H)/I, rad.
double TurnOverInterval(const MassiveBody& body, const LimbDirections& from,
                        const LimbDirections& to, double intervalS, double angularMomentum);

// The next frame of an exact flight, with the posture read for it.
FrameResult RunExactFrame(Flight& flight, int posture);

} // namespace purzo
