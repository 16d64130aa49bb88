// SPDX-License-Identifier: MIT
// What the page calls: the design, the take-off check, flights and the frame clock. The page
// computes no physics and formats no numbers of its own.
#include "design_export.h"
#include "flight/frame_clock.h"
#include "flight/model.h"
#include "flight/panel_lines.h"
#include "flight/takeoff_check.h"
#include "flight/takeoff_text.h"
#include "flight_session.h"

#include <cmath>
#include <emscripten/bind.h>

namespace purzo::web {
namespace {

using emscripten::val;

val CheckTakeoffForPage(const std::string& speedText, const std::string& angleText) {
    const TakeoffCheck check = CheckTakeoff(speedText, angleText);
    val out = val::object();
    out.set("speed", check.takeoffSpeed);
    out.set("angle", check.takeoffAngle);
    out.set("beep", check.beep);
    out.set("showWarning", check.showWarning);
    out.set("speedText", val(check.speedText));
    out.set("angleText", val(check.angleText));
    return out;
}

// Where a slider follows a typed text: the whole number nearest to it when it lies in lo..hi,
// else null (the slider stays).
val SliderValueFor(const std::string& text, int lo, int hi) {
    const std::optional<double> value = ParseTakeoffNumber(text);
    if (!value || *value < lo || *value > hi) {
        return val::null();
    }
    return val(int(std::round(*value)));
}

val WidestPanelLines(const std::string& modelName, const std::string& decimalPoint) {
    return PanelLinesValue(WidestPanelFrame(), ParseModel(modelName).value_or(Model::Classic),
                           decimalPoint);
}

// The frame clock with the page's time (performance.now(), ms) handed in at every call.
class PageFrameClock {
public:
    PageFrameClock() : clock_([this] { return nowNs_; }) {}
    void start(int pauseMs, double nowMs) {
        at(nowMs);
        clock_.start(pauseMs);
    }
    void frameShown(int n, double nowMs) {
        at(nowMs);
        clock_.frameShown(n);
    }
    void resumeAfter(int n, double nowMs) {
        at(nowMs);
        clock_.resumeAfter(n);
    }
    int waitBeforeFrame(int n, double nowMs) {
        at(nowMs);
        return clock_.waitBeforeFrame(n);
    }

private:
    void at(double nowMs) { nowNs_ = std::int64_t(std::llround(nowMs * 1e6)); }
    std::int64_t nowNs_ = 0;
    FrameClock clock_;
};

} // namespace
} // namespace purzo::web

EMSCRIPTEN_BINDINGS(purzo) {
    using namespace purzo::web;
    emscripten::function("design", &DesignForPage);
    emscripten::function("checkTakeoff", &CheckTakeoffForPage);
    emscripten::function("sliderValueFor", &SliderValueFor);
    emscripten::function("widestPanelLines", &WidestPanelLines);
    emscripten::class_<FlightSession>("FlightSession")
        .constructor<std::string, std::string, std::string, int>()
        .function("next", &FlightSession::next)
        .function("ended", &FlightSession::ended)
        .function("frameCount", &FlightSession::frameCount)
        .function("frame", &FlightSession::frame)
        .function("centrePath", &FlightSession::centrePath)
        .function("panelLines", &FlightSession::panelLines)
        .function("verdict", &FlightSession::verdict)
        .function("csv", &FlightSession::csv)
        .function("sheet", &FlightSession::sheet)
        .function("modelName", &FlightSession::modelName);
    emscripten::class_<PageFrameClock>("FrameClock")
        .constructor<>()
        .function("start", &PageFrameClock::start)
        .function("frameShown", &PageFrameClock::frameShown)
        .function("resumeAfter", &PageFrameClock::resumeAfter)
        .function("waitBeforeFrame", &PageFrameClock::waitBeforeFrame);
}
