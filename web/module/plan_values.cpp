// SPDX-License-Identifier: MIT
#include "plan_values.h"

#include "body/posture_table.h"
#include "flight/flight_constants.h"
#include "flight/number_text.h"
#include "flight/takeoff_check.h"
#include "flight_values.h"

#include <array>
#include <cmath>

namespace purzo::web {
namespace {

using emscripten::val;

// In the order the dialog offers them, as the window's.
constexpr std::array kVerdicts{Verdict::Upright, Verdict::TooFar, Verdict::TooShort,
                               Verdict::NotOnFeet};

std::optional<int> WholeNumber(const val& value, const char* key) {
    const val v = value[key];
    if (!v.isNumber()) {
        return std::nullopt;
    }
    const double number = v.as<double>();
    if (!(std::abs(number) < 1e6) || number != std::floor(number)) {
        return std::nullopt;
    }
    return int(number);
}

bool IsObject(const val& value) {
    return !value.isNull() && !value.isUndefined() && value.typeOf().as<std::string>() == "object";
}

val PlanValue(const TuckPlan& plan) {
    val out = val::object();
    out.set("startFrame", plan.startFrame);
    out.set("frames", plan.frames);
    out.set("depth", plan.depth);
    return out;
}

} // namespace

val PlanChoicesForPage(const std::string& language) {
    const TextLanguage shown = language == "en" ? TextLanguage::English : TextLanguage::German;
    val depths = val::array();
    for (int p = kFirstPlanDepth; p <= kLastPosture; ++p) {
        depths.call<void>("push", p);
    }
    val verdicts = val::array();
    for (const Verdict v : kVerdicts) {
        verdicts.call<void>("push", val(std::string(VerdictName(v, shown))));
    }
    val out = val::object();
    out.set("firstStartFrame", kFirstPlanStartFrame);
    out.set("depths", depths);
    out.set("first", PlanValue(FirstOfferedPlan()));
    out.set("verdicts", verdicts);
    return out;
}

val PlanLimitsForPage(const std::string& speedText, const std::string& angleText,
                      const std::string& modelName, const val& athlete, int depth) {
    // The take-off as the flight will read it: a refused text flies the standard one.
    const TakeoffCheck check = CheckTakeoff(speedText, angleText);
    const PlanLimits limits =
        PlanLimitsFor(ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle),
                      ParseModel(modelName).value_or(Model::Classic), AthleteFrom(athlete), depth);
    val out = val::object();
    out.set("lastStartFrame", limits.lastStartFrame);
    out.set("longestFrames", limits.longestFrames);
    return out;
}

val PlanTimesForPage(int startFrame, int frames, const std::string& decimalPoint) {
    const char point = decimalPoint.empty() ? '.' : decimalPoint[0];
    val out = val::object();
    out.set("start", val(FixedText(PlanFrameTimeS(startFrame), 2, point)));
    out.set("length", val(FixedText(frames / kFramesPerSecond, 2, point)));
    return out;
}

val ReadPredictedRotationForPage(const std::string& text, bool inTurns) {
    const std::optional<double> degrees = ReadPredictedRotationDeg(text, inTurns);
    return degrees ? val(*degrees) : val::null();
}

val ReadPostureListForPage(const std::string& text) {
    const auto list = ReadPostureList(text);
    return list ? val::array(*list) : val::null();
}

std::optional<TuckPlan> PlanFrom(const val& value) {
    if (!IsObject(value)) {
        return std::nullopt;
    }
    // A posture list, as the trace tool's --postures takes it, is the plan where given.
    const val list = value["postures"];
    if (list.isArray() && list["length"].as<int>() > 0) {
        std::vector<int> postures;
        for (int i = 0; i < list["length"].as<int>(); ++i) {
            const val p = list[i];
            if (!p.isNumber() || p.as<double>() != double(p.as<int>()) ||
                p.as<int>() < kFirstPosture || p.as<int>() > kLastPosture) {
                return std::nullopt;
            }
            postures.push_back(p.as<int>());
        }
        return TuckPlan{0, 0, 0, postures};
    }
    const auto start = WholeNumber(value, "startFrame");
    const auto frames = WholeNumber(value, "frames");
    const auto depth = WholeNumber(value, "depth");
    if (!start || !frames || !depth) {
        return std::nullopt;
    }
    return TuckPlan{*start, *frames, *depth};
}

std::optional<Prediction> PredictionFrom(const val& value) {
    if (!IsObject(value)) {
        return std::nullopt;
    }
    const auto verdict = WholeNumber(value, "verdict");
    const val rotation = value["rotationDeg"];
    if (!verdict || *verdict < 0 || *verdict >= int(kVerdicts.size()) || !rotation.isNumber()) {
        return std::nullopt;
    }
    const double degrees = rotation.as<double>();
    if (!(degrees >= 0 && degrees <= kMostPredictedRotationDeg)) {
        return std::nullopt;
    }
    return Prediction{kVerdicts[std::size_t(*verdict)], degrees};
}

} // namespace purzo::web
