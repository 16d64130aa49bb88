// SPDX-License-Identifier: MIT
// A tuck planned before the flight: stretched at take-off, tucked to a depth from a frame for a
// number of frames, stretched again after. Flown, it is the posture list it stands for.
#pragma once

#include "body/athlete.h"
#include "flight/flight_parameters.h"
#include "flight/landing.h"
#include "flight/model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace purzo {

inline constexpr int kFirstPlanDepth = 5; // the shallowest tuck a plan may ask for
inline constexpr int kStandardPlanDepth = 7;
inline constexpr int kFirstPlanStartFrame = 2; // frame 1 is the take-off, always stretched

struct TuckPlan {
    TuckPlan() = default;
    TuckPlan(int start, int length, int posture, std::vector<int> list = {})
        : startFrame(start), frames(length), depth(posture), postures(std::move(list)) {}

    int startFrame = kFirstPlanStartFrame;
    int frames = 1; // how many frames tucked
    int depth = kStandardPlanDepth;
    // Where not empty, the plan is this posture list instead, frame by frame as purzo-trace
    // --postures takes it, the last holding to the touchdown; the three above then count nothing.
    std::vector<int> postures;

    friend bool operator==(const TuckPlan&, const TuckPlan&) = default;
};

// The plan a dialog offers before any was flown: tucked tight from frame 3 for 6 frames.
inline TuckPlan FirstOfferedPlan() {
    return {3, 6, kStandardPlanDepth};
}

// What a group expects of a planned flight before it flies: how it lands and how far it turns.
struct Prediction {
    Verdict verdict = Verdict::Upright;
    double rotationDeg = 360;

    friend bool operator==(const Prediction&, const Prediction&) = default;
};
// A predicted rotation as typed, in degrees or in turns (a comma or a point before the
// decimals): nothing for anything but a number from 0 to 3600° (10 turns).
std::optional<double> ReadPredictedRotationDeg(std::string_view text, bool inTurns);
inline constexpr double kMostPredictedRotationDeg = 3600;

// The time of a frame after take-off, s: frame 1 is the take-off, each next 1/17 s later.
double PlanFrameTimeS(int frame);

// Frame 1 stretched, frames start … start + frames − 1 in the depth, every later frame stretched.
std::vector<int> PlanPostures(const TuckPlan& plan);
// The posture the plan chooses for frame `frame` (from 1).
int PlannedPosture(const TuckPlan& plan, int frame);

// The plan a list of chosen postures follows, where it follows one: stretched, then one tuck in
// one depth, then stretched to the end (a flight flown by hand may well).
std::optional<TuckPlan> PlanOfPostures(const std::vector<int>& postures);

// The plans a take-off allows: a start up to the stretched flight's touchdown frame (a tuck
// begun later would never be flown), and lengths up to the longest flight a plan can make.
struct PlanLimits {
    int lastStartFrame = kFirstPlanStartFrame;
    int longestFrames = 1;
};
PlanLimits PlanLimitsFor(const FlightParameters& params, Model model, const Athlete& athlete,
                         int depth);

// "1,1,7,7,1": postures 1 to 7 separated by commas, blanks allowed around them; nothing for
// anything else (an empty list too).
std::optional<std::vector<int>> ReadPostureList(std::string_view text);

// "START,LENGTH[,DEPTH]" as the trace tool takes it; nothing for anything else. The numbers are
// checked against a flight by PlanError.
std::optional<TuckPlan> ParseTuckPlan(std::string_view text);

// Why a plan cannot be flown from this take-off, in words that name the allowed values; nothing
// for a plan that can.
std::optional<std::string> PlanError(const TuckPlan& plan, const PlanLimits& limits);

} // namespace purzo
