// SPDX-License-Identifier: MIT
// A flight in one row: its take-off, its tuck, how far and high it went and how it landed. The
// lesson's log keeps one per flight; the trace tool prints it with --summary.
#pragma once

#include "flight/frame_step.h"
#include "flight/landing.h"
#include "flight/model.h"

#include <optional>
#include <span>
#include <string>

namespace purzo {

struct FlightSummary {
    Model model = Model::Classic;
    double speedMPerS = 0;
    double angleDeg = 0;
    Tuck tuck;
    double flightTimeS = 0; // of the last frame: the touchdown
    double distanceM = 0;
    double maxHeightM = 0; // of the centre of mass above the floor: its parabola's top if reached
    double rotationDeg = 0;
    double turns = 0;
    std::optional<Landing> landing; // none when the flight ran out without landing
};

FlightSummary SummaryOf(const FlightParameters& params, Model model,
                        std::span<const FrameResult> frames);

// model,speedMPerS,angleDeg,tuckStartS,tuckedS,flightTimeS,distanceM,maxHeightM,rotationDeg,
// turns,firstContact,attitudeDeg,verdict
std::string SummaryCsvHeader();
// Numbers in their shortest round-trip form, the turns to two decimals; what a flight did not
// have (a tuck, a landing) stays empty.
std::string SummaryCsvRow(const FlightSummary& summary);

} // namespace purzo
