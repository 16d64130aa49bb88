// SPDX-License-Identifier: MIT
// The frame step; arithmetic kept in the order of the flight formulas, as the results depend on
// it bit for bit.
#include "flight/frame_step.h"

#include "body/canvas_units.h"
#include "body/centre_of_mass.h"
#include "body/posture_table.h"
#include "body/reference_figure.h"
#include "body/rotated_figure.h"
#include "body/segment_lengths.h"
#include "flight/exact_step.h"
#include "flight/flight_constants.h"

#include <algorithm>
#include <cmath>

namespace purzo {

Flight StartFlight(const FlightParameters& params, Model model, const Athlete& athlete) {
    Flight flight;
    flight.params = params;
    flight.model = model;
    if (model == Model::Exact) {
        flight.athlete = athlete;
        flight.exact.body = MassiveBodyOf(athlete);
        flight.exact.takeoffHeightM = ExactTakeoffHeightM(flight.exact.body.lengths);
        flight.exact.angularMomentum = TakeoffAngularMomentumKgM2PerS(athlete);
    }
    // A step that is not positive would never reach the loop bound.
    flight.ended = !(params.stepX > 0) || !std::isfinite(params.stepX);
    return flight;
}

FlightPoint ComputeFlightPoint(const FlightParameters& f, double flightX) {
    const double v = f.takeoffSpeed;
    FlightPoint p;
    p.flightY = flightX * std::tan(f.angleRad) -
                ((kGravity * flightX) * flightX) /
                    (((2 * v) * v) * (std::cos(f.angleRad) * std::cos(f.angleRad)));
    p.path.x = kUnitsPerMetre * flightX;
    p.path.y = (kCanvasHeight - kUnitsPerMetre * p.flightY) - kUnitsPerMetre * kTakeoffHeightM;
    return p;
}

bool LandingEndsFlight(double lowestPointY, double flightX) {
    return lowestPointY > kGroundThresholdY && flightX > kMinLandingDistanceM;
}

FrameResult RunFrame(Flight& flight, int posture) {
    if (flight.ended) {
        return flight.last;
    }
    if (flight.model == Model::Exact) {
        return RunExactFrame(flight, posture);
    }
    const SegmentLengths& lengths = StandardSegmentLengths();
    FrameResult r;
    r.frame = ++flight.framesRun;
    r.timeS = (r.frame - 1) / kFramesPerSecond;
    r.flightX = flight.flightX;
    const FlightPoint point = ComputeFlightPoint(flight.params, flight.flightX);
    r.pathX = point.path.x;
    r.pathY = point.path.y;

    r.posture = std::clamp(posture, kFirstPosture, kLastPosture);
    r.shape = LimbDegreesFor(r.posture);
    const LimbDirections limbs = LimbDirectionsFor(r.posture);
    flight.rotationDeg += PostureRowFor(r.posture).rotationIncrementDeg;
    r.rotationDeg = flight.rotationDeg;

    const Figure reference = BuildReferenceFigure(lengths, kCanvasHeight, limbs);
    const CentreOfMass com = ComputeCentreOfMass(reference, kCanvasHeight);
    r.bodyComX = com.bodyComX;
    r.bodyComHeight = com.bodyComHeight;

    const double rotationRad = DegreesToRadians(flight.rotationDeg);
    const RotatedFigure rotated =
        PlaceRotatedFigure(lengths, kCanvasHeight, limbs, com, rotationRad, point.path);
    r.figure = rotated.figure;
    r.unshiftedHipX = rotated.hipX;
    r.unshiftedHipHeight = rotated.hipHeight;
    r.lowestPointY = LowestPointY(r.figure);
    // Only named: the landing test below reads the head by its centre, as designed.
    r.lowestPart = LowestContact(r.figure, lengths.headRadius).part;

    if (LandingEndsFlight(r.lowestPointY, flight.flightX)) {
        flight.flightX = kLoopBoundM;
        r.landed = true;
    }
    flight.flightX = flight.flightX + flight.params.stepX;
    flight.ended = flight.flightX > kLoopBoundM;
    r.lastFrame = flight.ended;
    flight.last = r;
    return r;
}

} // namespace purzo
