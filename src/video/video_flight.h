// SPDX-License-Identifier: MIT
// A fitted jump as a flight of the lesson: the exact model flown from the measured take-off
// (held inside the model's ranges), with the athlete the marks gave and, frame by frame, the
// posture nearest to the filmed body's shape.
#pragma once

#include "flight/flight_record.h"
#include "video/jump_fit.h"

#include <optional>
#include <string>
#include <vector>

namespace purzo {

// The posture the film shows at each of the model's frames (1/17 s apart from the take-off):
// that of the airborne video frame nearest in time.
std::vector<int> FilmedPostures(const JumpFit& fit);

FlightRecord FlightOfFit(const JumpFit& fit, const std::string& fileName);

// The same take-off and athlete flown with other postures: "what if" she had tucked otherwise.
// It keeps no film: its postures are not the filmed ones.
FlightRecord WhatIfFlight(const FlightRecord& videoFlight, const std::vector<int>& postures);

// A flight of the model (the video flight or a "what if") at a time of the video: its figure's
// points in the plane of the jump, placed at the filmed take-off and mirrored with a jump to the
// left, between the model's frames as the limbs and the turn run on linearly; nothing before
// the take-off and after the flight's last frame.
std::optional<BodyPoints> FlightPointsAt(const FlightRecord& flight, const JumpFit& fit,
                                         double videoTimeS);

} // namespace purzo
