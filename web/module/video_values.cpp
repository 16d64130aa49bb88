// SPDX-License-Identifier: MIT
#include "video_values.h"

#include "flight/number_text.h"
#include "flight_values.h"
#include "plan_values.h"
#include "video/body_marks.h"
#include "video/jump_fit.h"
#include "video/marker_tracking.h"
#include "video/stick_calibration.h"
#include "video/video_flight.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace purzo::web {
namespace {

using emscripten::val;

char PointOf(const std::string& language) {
    return language == "en" ? '.' : ',';
}

val PixelValue(PixelPoint p) {
    val out = val::object();
    out.set("x", p.x);
    out.set("y", p.y);
    return out;
}

std::optional<PixelPoint> PixelFrom(const val& value) {
    if (value.isNull() || value.isUndefined()) {
        return std::nullopt;
    }
    const double x = value["x"].as<double>(), y = value["y"].as<double>();
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return std::nullopt;
    }
    return PixelPoint{x, y};
}

// {ax, ay, bx, by, lengthM}
Stick StickFrom(const val& value) {
    Stick stick;
    stick.a = {value["ax"].as<double>(), value["ay"].as<double>()};
    stick.b = {value["bx"].as<double>(), value["by"].as<double>()};
    stick.lengthM = value["lengthM"].as<double>();
    return stick;
}

// {number, count, time}: the frame's 1-based number, the frames' count and its time in s.
val FrameTextsForPage(int index, int count, double timeS, const std::string& language) {
    val out = val::object();
    out.set("number", val(std::to_string(index + 1)));
    out.set("count", val(std::to_string(count)));
    out.set("time", val(FixedText(timeS, 3, PointOf(language))));
    return out;
}

// The typed stick length in metres, or null when it is no positive number.
val ReadStickLengthForPage(const std::string& text) {
    std::string plain = text;
    for (char& c : plain) {
        if (c == ',') {
            c = '.';
        }
    }
    while (!plain.empty() && plain.back() == ' ') {
        plain.pop_back();
    }
    while (!plain.empty() && plain.front() == ' ') {
        plain.erase(plain.begin());
    }
    const std::optional<double> value = ReadPlainDecimal(plain);
    return value && *value > 0 ? val(*value) : val::null();
}

// {ok: true, pixelsPerMetre, rollDeg, foot, top, texts: {scale, roll, length}} or {ok: false,
// problem: "length" | "ends"}.
val CalibrationForPage(const val& stickValue, const std::string& language) {
    const Stick stick = StickFrom(stickValue);
    val out = val::object();
    const std::optional<Calibration> c = CalibrationOf(stick);
    out.set("ok", bool(c));
    if (!c) {
        const bool lengthWrong = !std::isfinite(stick.lengthM) || stick.lengthM <= 0;
        out.set("problem", val(lengthWrong ? "length" : "ends"));
        return out;
    }
    const char point = PointOf(language);
    out.set("pixelsPerMetre", c->pixelsPerMetre);
    out.set("rollDeg", c->rollDeg());
    out.set("foot", PixelValue(c->foot));
    val texts = val::object();
    texts.set("scale", val(FixedText(c->pixelsPerMetre, 1, point)));
    texts.set("roll", val(FixedText(c->rollDeg(), 1, point)));
    texts.set("length", val(FixedText(stick.lengthM, 2, point)));
    out.set("texts", texts);
    return out;
}

const char* WarningName(FitWarning w) {
    switch (w) {
    case FitWarning::PointsCompleted:
        return "pointsCompleted";
    case FitWarning::SpeedOutsideModel:
        return "speedOutsideModel";
    case FitWarning::AngleOutsideModel:
        return "angleOutsideModel";
    case FitWarning::SpinOutsideRange:
        return "spinOutsideRange";
    case FitWarning::HeightOutsideRange:
        return "heightOutsideRange";
    case FitWarning::NoFloorBefore:
        return "noFloorBefore";
    case FitWarning::MarksMissing:
        return "marksMissing";
    }
    return "";
}

val PointsValue(const BodyPoints& points, const Calibration& c) {
    val out = val::array();
    for (const ScenePoint& p : points) {
        out.call<void>("push", PixelValue(c.toPixels(p)));
    }
    return out;
}

// {stick, timesS: [s], marks: [[{x, y} | null × 7] per frame], massKg}: the fit with its
// numbers, their texts, its warnings' names and per frame the centre, the parabola and the
// model's figure in the video's pixels; or {ok: false, problem, value}.
} // namespace

std::optional<JumpFitInput> JumpFitInputFrom(const val& input) {
    const std::optional<Calibration> c = CalibrationOf(StickFrom(input["stick"]));
    if (!c) {
        return std::nullopt;
    }
    JumpFitInput in;
    in.calibration = *c;
    in.timesS = emscripten::vecFromJSArray<double>(input["timesS"]);
    const val marks = input["marks"];
    const int frames = marks["length"].as<int>();
    in.marks.resize(std::size_t(frames));
    for (int f = 0; f < frames; ++f) {
        const val frame = marks[f];
        for (int j = 0; j < kJointCount && j < frame["length"].as<int>(); ++j) {
            in.marks[std::size_t(f)][std::size_t(j)] = PixelFrom(frame[j]);
        }
    }
    in.marks.resize(in.timesS.size());
    if (input["massKg"].isNumber()) {
        in.massKg = input["massKg"].as<double>();
    }
    // A frame out of the video or no whole number is no correction: the fit checks the range.
    const auto frameOf = [&input](const char* key) -> std::optional<int> {
        const val v = input[key];
        if (!v.isNumber()) {
            return std::nullopt;
        }
        const double f = v.as<double>();
        return std::abs(f) < 1e9 && f == std::floor(f) ? std::optional(int(f)) : std::nullopt;
    };
    in.lastFloorFrame = frameOf("lastFloorFrame");
    in.touchdownFrame = frameOf("touchdownFrame");
    return in;
}

std::optional<WhatIfOfVideo> WhatIfOfVideoFrom(const val& fitInput, const val& plan,
                                               const val& prediction) {
    const std::optional<JumpFitInput> in = JumpFitInputFrom(fitInput);
    const std::optional<TuckPlan> tuck = PlanFrom(plan);
    if (!in || !tuck) {
        return std::nullopt;
    }
    auto result = FitJump(*in);
    auto* fit = std::get_if<JumpFit>(&result);
    if (!fit) {
        return std::nullopt;
    }
    FlightRecord flight = WhatIfFlight(FlightOfFit(*fit, ""), PlanPostures(*tuck));
    flight.plan = *tuck;
    flight.prediction = PredictionFrom(prediction);
    return WhatIfOfVideo{std::move(*fit), in->calibration, std::move(flight)};
}

namespace {

// The filmed take-off as the video flight flies it (held within the model's ranges) and the
// athlete the marks gave: {speedMPerS, angleDeg, athlete}, or null without a fit.
val VideoTakeoffForPage(const val& fitInput) {
    const std::optional<JumpFitInput> in = JumpFitInputFrom(fitInput);
    const auto result = in ? std::optional(FitJump(*in)) : std::nullopt;
    const JumpFit* fit = result ? std::get_if<JumpFit>(&*result) : nullptr;
    if (!fit) {
        return val::null();
    }
    const FlightRecord flight = FlightOfFit(*fit, "");
    val out = val::object();
    out.set("speedMPerS", flight.params.takeoffSpeed);
    out.set("angleDeg", flight.params.takeoffAngle);
    out.set("athlete", AthleteValue(flight.athlete));
    return out;
}

// "What if" over the video: per frame the plan's figure in the video's pixels ([{x, y} × 7], or
// null before the take-off and after its flight), or null when there is no fit.
val WhatIfPointsForPage(const val& fitInput, const val& plan) {
    const std::optional<WhatIfOfVideo> w = WhatIfOfVideoFrom(fitInput, plan, val::null());
    if (!w) {
        return val::null();
    }
    val out = val::array();
    for (const FittedFrame& f : w->fit.frames) {
        const std::optional<BodyPoints> points = FlightPointsAt(w->flight, w->fit, f.timeS);
        out.call<void>("push", points ? PointsValue(*points, w->calibration) : val::null());
    }
    return out;
}

val FitForPage(const val& input, const std::string& language) {
    val out = val::object();
    const std::optional<JumpFitInput> in = JumpFitInputFrom(input);
    const auto result =
        in ? FitJump(*in)
           : std::variant<JumpFit, FitFailure>(FitFailure{FitProblem::NoCalibration, 0});
    if (const auto* failure = std::get_if<FitFailure>(&result)) {
        out.set("ok", false);
        out.set("problem",
                val(failure->problem == FitProblem::NoCalibration ? "noCalibration"
                                                                  : "tooFewAirborneFrames"));
        out.set("value", val(std::to_string(int(failure->value))));
        out.set("fewest", val(std::to_string(kFewestFittedFrames)));
        return out;
    }
    const JumpFit& fit = std::get<JumpFit>(result);
    const char point = PointOf(language);
    out.set("ok", true);
    out.set("speedMPerS", fit.speedMPerS);
    out.set("angleDeg", fit.angleDeg);
    out.set("takeoffHeightM", fit.takeoffHeightM);
    out.set("gravityMPerS2", fit.gravityMPerS2);
    out.set("spinDegPerS", fit.spinDegPerS);
    out.set("angularMomentumKgM2PerS", fit.angularMomentumKgM2PerS);
    out.set("centreResidualM", fit.centreResidualM);
    out.set("rotationResidualDeg", fit.rotationResidualDeg);
    out.set("bodyHeightM", fit.bodyHeightM);
    out.set("lastFloorFrame", fit.lastFloorFrame);
    out.set("touchdownFrame", fit.touchdownFrame);
    val texts = val::object();
    texts.set("speed", val(FixedText(fit.speedMPerS, 2, point)));
    texts.set("angle", val(FixedText(fit.angleDeg, 1, point)));
    texts.set("height", val(FixedText(fit.takeoffHeightM, 2, point)));
    texts.set("gravity", val(FixedText(fit.gravityMPerS2, 2, point)));
    texts.set("spin", val(FixedText(fit.spinDegPerS, 0, point)));
    texts.set("angularMomentum", val(FixedText(fit.angularMomentumKgM2PerS, 1, point)));
    texts.set("centreResidualCm", val(FixedText(fit.centreResidualM * 100, 1, point)));
    texts.set("rotationResidualDeg", val(FixedText(fit.rotationResidualDeg, 1, point)));
    texts.set("bodyHeight", val(FixedText(fit.bodyHeightM, 2, point)));
    // Empty where the video starts or ends in the air.
    texts.set("takeoffTime",
              val(fit.lastFloorFrame >= 0 ? FixedText(fit.takeoffS, 3, point) : std::string()));
    texts.set("touchdownTime",
              val(fit.touchdownFrame >= 0 ? FixedText(fit.touchdownS, 3, point) : std::string()));
    out.set("texts", texts);
    val warnings = val::array();
    for (const FitWarning w : fit.warnings) {
        warnings.call<void>("push", val(WarningName(w)));
    }
    out.set("warnings", warnings);
    const Calibration* c = &in->calibration;
    val shown = val::array();
    for (const FittedFrame& f : fit.frames) {
        val frame = val::object();
        frame.set("airborne", f.airborne);
        frame.set("centre", f.centre ? PixelValue(c->toPixels(*f.centre)) : val::null());
        frame.set("parabola", f.airborne ? PixelValue(c->toPixels(f.parabola)) : val::null());
        frame.set("model", f.airborne ? PointsValue(f.model, *c) : val::null());
        frame.set("points", f.points ? PointsValue(*f.points, *c) : val::null());
        shown.call<void>("push", frame);
    }
    out.set("frames", shown);
    return out;
}

// A frame's RGBA pixels (an ImageData's data) as the tracker reads them.
RgbImage RgbImageFrom(int width, int height, const val& rgba) {
    const std::size_t pixels = std::size_t(std::max(width, 0)) * std::size_t(std::max(height, 0));
    std::vector<std::uint8_t> bytes(pixels * 4);
    val(emscripten::typed_memory_view(bytes.size(), bytes.data())).call<void>("set", rgba);
    RgbImage image;
    image.width = width;
    image.height = height;
    image.rgb.resize(pixels * 3);
    for (std::size_t i = 0; i < pixels; ++i) {
        for (std::size_t c = 0; c < 3; ++c) {
            image.rgb[i * 3 + c] = bytes[i * 4 + c];
        }
    }
    return image;
}

// The marker's colour under a tap, "#RRGGBB"; null off the picture.
val MarkerColourAtForPage(int width, int height, const val& rgba, double x, double y) {
    const std::optional<MarkerColour> c = PickedColour(RgbImageFrom(width, height, rgba), {x, y});
    if (!c) {
        return val::null();
    }
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c->r, c->g, c->b);
    return val(std::string(text));
}

// "head", "shoulder", …: the joints in the order the marking offers them.
val JointNamesForPage() {
    val out = val::array();
    for (const Joint j : kJoints) {
        out.call<void>("push", val(std::string(JointName(j))));
    }
    return out;
}

// The markers' colours ("#RRGGBB" or null per joint) followed through RGBA frames.
class PageMarkerTracker {
public:
    explicit PageMarkerTracker(const val& colours) : tracker_(ColoursFrom(colours)) {}

    // A frame's RGBA pixels (an ImageData's data): the joints' marks, {x, y} or null each.
    val track(int width, int height, const val& rgba) {
        const RgbImage image = RgbImageFrom(width, height, rgba);
        const FrameMarks marks = tracker_.track(image);
        val out = val::array();
        for (const auto& m : marks) {
            out.call<void>("push", m ? PixelValue(*m) : val::null());
        }
        return out;
    }

    void correct(int joint, double x, double y) {
        if (joint >= 0 && joint < kJointCount) {
            tracker_.correct(kJoints[std::size_t(joint)], {x, y});
        }
    }

private:
    static std::array<std::optional<MarkerColour>, kJointCount> ColoursFrom(const val& colours) {
        std::array<std::optional<MarkerColour>, kJointCount> out;
        for (int j = 0; j < kJointCount && j < colours["length"].as<int>(); ++j) {
            if (colours[j].isString()) {
                out[std::size_t(j)] = ParseColour(colours[j].as<std::string>());
            }
        }
        return out;
    }

    MarkerTracker tracker_;
};

} // namespace

void BindVideo() {
    emscripten::function("videoFrameTexts", &FrameTextsForPage);
    emscripten::function("readStickLength", &ReadStickLengthForPage);
    emscripten::function("videoCalibration", &CalibrationForPage);
    emscripten::function("fitJump", &FitForPage);
    emscripten::function("videoTakeoff", &VideoTakeoffForPage);
    emscripten::function("videoWhatIfPoints", &WhatIfPointsForPage);
    emscripten::function("jointNames", &JointNamesForPage);
    emscripten::function("markerColourAt", &MarkerColourAtForPage);
    emscripten::class_<PageMarkerTracker>("MarkerTracker")
        .constructor<val>()
        .function("track", &PageMarkerTracker::track)
        .function("correct", &PageMarkerTracker::correct);
}

} // namespace purzo::web
