// SPDX-License-Identifier: MIT
// The frame step; arithmetic kept in the order of the flight formulas, as the figures depend on it.
#include "flight.h"

#include "model_constants.h"
#include "posture_table.h"
#include "reference_figure.h"

#include <algorithm>
#include <cmath>

namespace purzo {

Flight StartFlight(const ModelState& model, const FlightParameters& params) {
    Flight flight;
    flight.model = model;
    flight.params = params;
    // A step that is not positive would never reach the loop bound.
    flight.ended = !(params.stepX > 0) || !std::isfinite(params.stepX);
    return flight;
}

void FlightPoint(const ModelState& m, const FlightParameters& f, double flightX, double& flightY,
                 double& pathX, double& pathY) {
    const double v = f.takeoffSpeed;
    flightY = flightX * std::tan(f.angleRad) -
              ((m.gravity * flightX) * flightX) /
                  (((2 * v) * v) * (std::cos(f.angleRad) * std::cos(f.angleRad)));
    pathX = m.unitsPerMetre * flightX;
    pathY = (m.canvasHeight - m.unitsPerMetre * flightY) - m.unitsPerMetre * m.takeoffHeight;
}

bool LandingEndsFlight(double lowestPointY, double flightX) {
    return lowestPointY > kGroundThresholdY && flightX > kMinLandingDistanceM;
}

FrameResult RunFrame(Flight& flight, int posture) {
    if (flight.ended) {
        return flight.last;
    }
    const ModelState& m = flight.model;
    FrameResult r;
    r.frame = ++flight.framesRun;
    r.flightX = flight.flightX;
    FlightPoint(m, flight.params, flight.flightX, r.flightY, r.pathX, r.pathY);

    r.posture = std::clamp(posture, kFirstPosture, kLastPosture);
    const LimbDirections limbs = PostureStep(r.posture, m.pi, flight.rotationDeg);
    r.rotationDeg = flight.rotationDeg;

    BuildReferenceFigure(m, limbs, flight.points);
    r.bodyComX = flight.points.bodyComX;
    r.bodyComHeight = flight.points.bodyComHeight;

    r.rotationRad = DegreesToRadians(m.pi, flight.rotationDeg);
    PlaceRotatedFigure(m, limbs, r.rotationRad, r.pathX, r.pathY, flight.points, r.drawn);
    r.points = flight.points;
    r.lowestPointY = LowestPointY(flight.points);

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
