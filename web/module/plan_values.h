// SPDX-License-Identifier: MIT
// The tuck plan for the page: the plans a take-off allows, what its frames mean in seconds, the
// group's prediction read as typed, and plan and prediction from the page's plain values.
#pragma once

#include "flight/tuck_plan.h"

#include <emscripten/val.h>
#include <optional>
#include <string>

namespace purzo::web {

// What the dialog offers whatever the take-off: {firstStartFrame, depths, first: the plan it
// shows before any was flown, verdicts: the four verdicts' names in the page's language}.
emscripten::val PlanChoicesForPage(const std::string& language);
// {lastStartFrame, longestFrames} for the take-off as typed, the model and the athlete.
emscripten::val PlanLimitsForPage(const std::string& speedText, const std::string& angleText,
                                  const std::string& modelName, const emscripten::val& athlete,
                                  int depth);
// {start: the start frame's time after take-off, length: the tucked frames' time}, s as written.
emscripten::val PlanTimesForPage(int startFrame, int frames, const std::string& decimalPoint);
// The predicted rotation as typed, in degrees or turns: degrees, or null when it is no number
// from 0 to 3600°.
emscripten::val ReadPredictedRotationForPage(const std::string& text, bool inTurns);
// A posture list as typed, "1,1,7,7,1": its postures, or null for anything else.
emscripten::val ReadPostureListForPage(const std::string& text);

// {startFrame, frames, depth} in whole numbers, or {postures: [1, 7, …]}; nothing for anything
// else.
std::optional<TuckPlan> PlanFrom(const emscripten::val& value);
// {verdict: its place among the verdicts' names, rotationDeg}; nothing for null or anything else.
std::optional<Prediction> PredictionFrom(const emscripten::val& value);

} // namespace purzo::web
