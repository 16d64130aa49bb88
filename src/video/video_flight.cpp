// SPDX-License-Identifier: MIT
#include "video/video_flight.h"

#include "body/canvas_units.h"
#include "body/limb_reach.h"
#include "body/placed_figure.h"
#include "flight/flight_constants.h"
#include "flight/takeoff_check.h"
#include "flight/whole_flight.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

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
    // Its postures are no longer the film's.
    r.video.reset();
    return r;
}

std::optional<BodyPoints> FlightPointsAt(const FlightRecord& flight, const JumpFit& fit,
                                         double videoTimeS) {
    const double tau = videoTimeS - fit.takeoffS;
    if (flight.frames.empty() || tau < 0 || tau > flight.frames.back().timeS) {
        return std::nullopt;
    }
    // The frame at or before tau and the one after it.
    std::size_t k = std::min(std::size_t(tau * kFramesPerSecond), flight.frames.size() - 1);
    while (k > 0 && flight.frames[k].timeS > tau) {
        --k;
    }
    const FrameResult& a = flight.frames[k];
    const FrameResult& b = flight.frames[std::min(k + 1, flight.frames.size() - 1)];
    const double share =
        b.timeS > a.timeS ? std::clamp((tau - a.timeS) / (b.timeS - a.timeS), 0.0, 1.0) : 0.0;
    // Shape, turn and centre run on between the frames; the figure is laid out about them.
    const LimbDegrees shape = ShapeBetween(a.shape, b.shape, share);
    const double turnRad =
        (a.rotationDeg + (b.rotationDeg - a.rotationDeg) * share) * std::numbers::pi / 180.0;
    const Point centre{a.pathX + (b.pathX - a.pathX) * share,
                       a.pathY + (b.pathY - a.pathY) * share};
    const BodyPoints model = PointsOfFigure(PlaceAboutCentreOfMass(
        SegmentLengthsOf(flight.athlete), LimbDirectionsOf(shape), turnRad, centre));
    // The model's take-off stands at its first frame's centre; the film's where its centre left
    // the floor.
    const double side = fit.toTheLeft ? -1.0 : 1.0;
    const double modelTakeoffXM = flight.frames.front().pathX / kUnitsPerMetre;
    BodyPoints points;
    for (std::size_t j = 0; j < points.size(); ++j) {
        points[j] = {fit.takeoffCentre.xM + side * (model[j].xM - modelTakeoffXM),
                     model[j].heightM};
    }
    return points;
}

} // namespace purzo
