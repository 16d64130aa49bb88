// SPDX-License-Identifier: MIT
// The centre of mass's path of a take-off, frame by frame, whatever the postures: the parabola
// does not depend on them.
#pragma once

#include "body/athlete.h"
#include "body/point.h"
#include "flight/flight_parameters.h"
#include "flight/model.h"

#include <vector>

namespace purzo {

// The flight points at frames 1, 2, …, in canvas units, until the centre of mass is below the
// ground line (or the frame loop's bound). The exact model's path starts at the athlete's
// take-off height.
std::vector<Point> CentreOfMassPath(const FlightParameters& params, Model model,
                                    const Athlete& athlete = kStandardAthlete);

} // namespace purzo
