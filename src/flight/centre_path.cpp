// SPDX-License-Identifier: MIT
// Each model's flight point, sampled at its frames.
#include "flight/centre_path.h"

#include "body/athlete.h"
#include "body/canvas_units.h"
#include "flight/exact_step.h"
#include "flight/flight_constants.h"
#include "flight/frame_step.h"

namespace purzo {

std::vector<Point> CentreOfMassPath(const FlightParameters& params, Model model,
                                    const Athlete& athlete) {
    std::vector<Point> path;
    const double takeoffHeightM = ExactTakeoffHeightM(SegmentLengthsOf(athlete));
    double flightX = 0;
    for (int frame = 1; frame <= kMostFlightFrames; ++frame) {
        const Point p =
            model == Model::Exact
                ? ComputeExactFlightPoint(params, takeoffHeightM, (frame - 1) / kFramesPerSecond)
                      .path
                : ComputeFlightPoint(params, flightX).path;
        path.push_back(p);
        if (p.y > kCanvasHeight || !(params.stepX > 0)) {
            break;
        }
        flightX = flightX + params.stepX;
    }
    return path;
}

} // namespace purzo
