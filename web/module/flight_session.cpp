// SPDX-License-Identifier: MIT
// Frames as plain JavaScript objects: numbers as the model computed them.
#include "flight_session.h"

#include "body/lowest_point.h"
#include "body/posture_table.h"
#include "body/segment_lengths.h"
#include "flight/centre_path.h"
#include "flight/csv_writer.h"
#include "flight/landing.h"
#include "flight/panel_lines.h"
#include "flight/takeoff_check.h"
#include "workbook/flight_sheet.h"

#include <algorithm>

namespace purzo::web {
namespace {

using emscripten::val;

val FrameValue(const FrameResult& f) {
    val out = val::object();
    out.set("frame", f.frame);
    out.set("timeS", f.timeS);
    out.set("flightX", f.flightX);
    out.set("pathX", f.pathX);
    out.set("pathY", f.pathY);
    out.set("posture", f.posture);
    out.set("rotationDeg", f.rotationDeg);
    out.set("heightM", CentreHeightM(f));
    out.set("turns", TurnsOf(f));
    out.set("omegaDegPerS", f.omegaDegPerS);
    out.set("inertiaKgM2", f.inertiaKgM2);
    out.set("angularMomentumKgM2PerS", f.angularMomentumKgM2PerS);
    out.set("lowestPart", val(BodyPartName(f.lowestPart)));
    out.set("landed", f.landed);
    out.set("lastFrame", f.lastFrame);
    // The figure as drawn: a line per segment, then the head circle.
    val lines = val::array();
    for (const Segment& s : f.figure.segments) {
        lines.call<void>("push", s.from.x, s.from.y, s.to.x, s.to.y);
    }
    out.set("lines", lines);
    val head = val::object();
    head.set("x", f.figure.head.x);
    head.set("y", f.figure.head.y);
    head.set("radius", StandardSegmentLengths().headRadius);
    out.set("head", head);
    return out;
}

} // namespace

FlightSession::FlightSession(std::string speedText, std::string angleText, std::string modelName,
                             int pace) {
    const TakeoffCheck check = CheckTakeoff(speedText, angleText);
    record_.speedText = check.speedText;
    record_.angleText = check.angleText;
    record_.params = ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle);
    record_.model = ParseModel(modelName).value_or(Model::Classic);
    record_.pace = Pace(std::clamp(pace, 0, 2));
    flight_ = StartFlight(record_.params, record_.model);
}

val FlightSession::next(int posture) {
    if (flight_.ended) {
        return record_.frames.empty() ? val::null() : FrameValue(record_.frames.back());
    }
    const FrameResult f = RunFrame(flight_, std::clamp(posture, kFirstPosture, kLastPosture));
    record_.frames.push_back(f);
    return FrameValue(f);
}

val FlightSession::frame(int index) const {
    if (index < 0 || index >= frameCount()) {
        return val::null();
    }
    return FrameValue(record_.frames[std::size_t(index)]);
}

val FlightSession::centrePath() const {
    val out = val::array();
    for (const Point& p : CentreOfMassPath(record_.params, record_.model)) {
        out.call<void>("push", p.x, p.y);
    }
    return out;
}

namespace {

val PanelTextValue(const PanelText& line) {
    val text = val::object();
    text.set("source", val(std::string(line.source)));
    val args = val::array();
    for (const PanelArg& arg : line.args) {
        val a = val::object();
        a.set("text", val(arg.text));
        a.set("source", arg.source ? val(std::string(arg.source)) : val::null());
        args.call<void>("push", a);
    }
    text.set("args", args);
    return text;
}

char DecimalPoint(const std::string& text) {
    return text.empty() ? '.' : text[0];
}

} // namespace

val PanelLinesValue(const FrameResult& frame, Model model, const std::string& decimalPoint) {
    const PanelLines panel = PanelLinesFor(frame, model, DecimalPoint(decimalPoint));
    val lines = val::array();
    for (const PanelText& line : panel.lines) {
        lines.call<void>("push", PanelTextValue(line));
    }
    val out = val::object();
    out.set("lines", lines);
    out.set("landingLines", panel.landingLines);
    return out;
}

val FlightSession::panelLines(int index, const std::string& decimalPoint) const {
    if (index < 0 || index >= frameCount()) {
        val none = val::object();
        none.set("lines", val::array());
        none.set("landingLines", 0);
        return none;
    }
    return PanelLinesValue(record_.frames[std::size_t(index)], record_.model, decimalPoint);
}

val FlightSession::verdict(const std::string& decimalPoint) const {
    const std::optional<Landing> landing =
        record_.frames.empty() ? std::nullopt : LandingOf(record_.frames.back());
    return landing ? PanelTextValue(VerdictText(*landing, DecimalPoint(decimalPoint))) : val::null();
}

std::string FlightSession::csv() const {
    return FlightCsv(record_.frames, record_.model);
}

val FlightSession::sheet(const std::string& language) const {
    const FlightSheet sheet = FlightSheetFor(record_, language == "en" ? WorkbookLanguage::English
                                                                       : WorkbookLanguage::German);
    val out = val::object();
    out.set("name", val(sheet.name));
    val cells = val::array();
    for (const SheetCell& c : sheet.cells) {
        val cell = val::object();
        cell.set("row", c.row);
        cell.set("column", c.column);
        if (c.isNumber) {
            cell.set("number", c.number);
        } else {
            cell.set("text", val(c.text));
        }
        cell.set("bold", c.bold);
        cells.call<void>("push", cell);
    }
    out.set("cells", cells);
    val columns = val::array();
    for (const SheetColumn& c : sheet.columns) {
        val column = val::object();
        column.set("column", c.column);
        column.set("width", c.width);
        column.set("decimals", c.decimals);
        columns.call<void>("push", column);
    }
    out.set("columns", columns);
    return out;
}

std::string FlightSession::modelName() const {
    return record_.model == Model::Exact ? "exact" : "classic";
}

} // namespace purzo::web
