// SPDX-License-Identifier: MIT
// The summary row of a flight from its frames.
#include "flight/flight_summary.h"

#include "flight/flight_constants.h"
#include "flight/flight_record.h"
#include "flight/number_text.h"

#include <algorithm>
#include <cmath>

namespace purzo {

FlightSummary SummaryOf(const FlightParameters& params, Model model,
                        std::span<const FrameResult> frames) {
    FlightSummary s;
    s.model = model;
    s.speedMPerS = params.takeoffSpeed;
    s.angleDeg = params.takeoffAngle;
    s.tuck = TuckOf(frames);
    if (frames.empty()) {
        return s;
    }
    const FrameResult& last = frames.back();
    s.flightTimeS = last.timeS;
    s.distanceM = last.flightX;
    // The top of the centre's parabola where the flight reaches it, not the highest frame's
    // centre, which lies up to a few millimetres below.
    const double vx = params.takeoffSpeed * std::cos(params.angleRad);
    const double vy = params.takeoffSpeed * std::sin(params.angleRad);
    if (last.flightX * kGravity >= vx * vy) {
        s.maxHeightM = CentreHeightM(frames.front()) + vy * vy / (2 * kGravity);
    } else {
        s.maxHeightM = CentreHeightM(frames.front());
        for (const FrameResult& f : frames) {
            s.maxHeightM = std::max(s.maxHeightM, CentreHeightM(f));
        }
    }
    s.rotationDeg = last.rotationDeg;
    s.turns = TurnsOf(last);
    s.landing = LandingOf(last);
    return s;
}

std::string SummaryCsvHeader() {
    return "model,speedMPerS,angleDeg,tuckStartS,tuckedS,flightTimeS,distanceM,maxHeightM,"
           "rotationDeg,turns,firstContact,attitudeDeg,verdict";
}

std::string SummaryCsvRow(const FlightSummary& s) {
    std::string row(ModelName(s.model));
    auto field = [&row](const std::string& text) {
        row += ',';
        row += text;
    };
    field(ShortestDoubleText(s.speedMPerS));
    field(ShortestDoubleText(s.angleDeg));
    field(s.tuck.startS ? ShortestDoubleText(*s.tuck.startS) : "");
    field(ShortestDoubleText(s.tuck.tuckedS));
    field(ShortestDoubleText(s.flightTimeS));
    field(ShortestDoubleText(s.distanceM));
    field(ShortestDoubleText(s.maxHeightM));
    field(ShortestDoubleText(s.rotationDeg));
    field(FixedText(s.turns, 2, '.'));
    field(s.landing ? BodyPartCode(s.landing->firstContact) : "");
    field(s.landing ? ShortestDoubleText(s.landing->attitudeDeg) : "");
    field(s.landing ? std::string(VerdictCode(s.landing->verdict)) : "");
    return row;
}

} // namespace purzo
