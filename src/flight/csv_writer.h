// SPDX-License-Identifier: MIT
// The frames of a flight as CSV: one header line, one row per frame, numbers in the shortest
// form that reads back to the same double, with a period as the decimal point.
#pragma once

#include "flight/frame_step.h"
#include "flight/model.h"

#include <span>
#include <string>

namespace purzo {

// frame,flightX,pathX,pathY,posture,rotationDeg,bodyComX,bodyComHeight, the joints of the
// drawn figure from hipX,hipY to headX,headY, lowestPointY,landed; the exact model adds
// timeS,omegaDegPerS,inertiaKgM2,angularMomentumKgM2PerS,lowestPart.
std::string CsvHeader(Model model);

// One row, without the line end.
std::string CsvRow(const FrameResult& frame, Model model);

// The header and every frame, each line ended by '\n'.
std::string FlightCsv(std::span<const FrameResult> frames, Model model);

} // namespace purzo
