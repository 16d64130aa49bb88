// SPDX-License-Identifier: MIT
#include "video/video_flight.h"

#include "flight/flight_constants.h"
#include "flight/takeoff_check.h"
#include "flight/whole_flight.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace purzo {
namespace {

// The take-off as the boxes would show it: speed to the centimetre per second, angle to the
// tenth of a degree, with the decimal comma.
std::string TakeoffText(double value, int decimals) {
    char text[32] = {};
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    for (char& c : s) {
        if (c == '.') {
            c = ',';
        }
    }
    return s;
}

} // namespace

std::vector<int> FilmedPostures(const JumpFit& fit) {
    std::vector<const FittedFrame*> airborne;
    for (const FittedFrame& f : fit.frames) {
        if (f.airborne) {
            airborne.push_back(&f);
        }
    }
    std::vector<int> postures;
    if (airborne.empty()) {
        return postures;
    }
    const double flightS = std::max(fit.touchdownS - fit.takeoffS, 0.0);
    const int frames = std::min(int(flightS * kFramesPerSecond) + 2, kMostFlightFrames);
    for (int n = 1; n <= frames; ++n) {
        const double t = fit.takeoffS + (n - 1) / kFramesPerSecond;
        const FittedFrame* nearest = airborne.front();
        double distance = std::numeric_limits<double>::infinity();
        for (const FittedFrame* f : airborne) {
            if (std::abs(f->timeS - t) < distance) {
                distance = std::abs(f->timeS - t);
                nearest = f;
            }
        }
        postures.push_back(nearest->nearestPosture);
    }
    return postures;
}

FlightRecord FlightOfFit(const JumpFit& fit, const std::string& fileName) {
    FlightRecord r;
    r.speedText = TakeoffText(fit.modelSpeedMPerS, 2);
    r.angleText = TakeoffText(fit.modelAngleDeg, 1);
    // The texts as the log keeps them: flown again from the file, they give this flight.
    const TakeoffCheck check = CheckTakeoff(r.speedText, r.angleText);
    r.params = ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle);
    r.model = Model::Exact;
    r.athlete = fit.athlete;
    r.frames = RunWholeFlight(r.params, FilmedPostures(fit), r.model, r.athlete);
    r.video = VideoSource{
        fileName,           fit.speedMPerS,    fit.angleDeg,        fit.spinDegPerS,
        fit.takeoffHeightM, fit.gravityMPerS2, fit.centreResidualM, fit.rotationResidualDeg};
    return r;
}

FlightRecord WhatIfFlight(const FlightRecord& videoFlight, const std::vector<int>& postures) {
    FlightRecord r = videoFlight;
    r.frames = RunWholeFlight(r.params, postures, r.model, r.athlete);
    r.plan.reset();
    r.prediction.reset();
    return r;
}

} // namespace purzo
