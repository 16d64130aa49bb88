// SPDX-License-Identifier: MIT
// Frames as plain JavaScript objects: numbers as the model computed them.
#include "flight_values.h"

#include "body/body_part.h"
#include "body/posture_table.h"
#include "flight/centre_path.h"
#include "flight/csv_writer.h"
#include "flight/landing.h"
#include "flight/panel_lines.h"
#include "flight/quantities.h"
#include "workbook/flight_sheet.h"

#include <algorithm>
#include <cmath>

namespace purzo::web {

using emscripten::val;

val FrameValue(const FrameResult& f) {
    val out = val::object();
    // Every quantity of a frame under its key, as the table reads it.
    for (const Quantity q : FrameQuantities(Model::Exact)) {
        out.set(InfoOf(q).code, FrameValueOf(q, f));
    }
    out.set("pathX", f.pathX);
    out.set("pathY", f.pathY);
    out.set("turns", TurnsOf(f));
    out.set("lowestPart", val(BodyPartCode(f.lowestPart)));
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
    head.set("radius", f.figure.headRadius);
    out.set("head", head);
    return out;
}

val CentrePathValue(const FlightRecord& record) {
    val out = val::array();
    for (const Point& p : CentreOfMassPath(record.params, record.model, record.athlete)) {
        out.call<void>("push", p.x, p.y);
    }
    return out;
}

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

namespace {

char DecimalPoint(const std::string& text) {
    return text.empty() ? '.' : text[0];
}

} // namespace

val AthleteValue(const Athlete& athlete) {
    val out = val::object();
    out.set("massKg", athlete.massKg);
    out.set("bodyHeightM", athlete.bodyHeightM);
    out.set("spinDegPerS", athlete.spinDegPerS);
    out.set("limbSpeedRadPerS", athlete.limbSpeedRadPerS);
    return out;
}

Athlete AthleteFrom(const val& value) {
    if (value.isNull() || value.isUndefined() || value.typeOf().as<std::string>() != "object") {
        return kStandardAthlete;
    }
    const auto number = [&value](const char* key) {
        const val v = value[key];
        return v.isNumber() ? v.as<double>() : std::nan("");
    };
    return WithinRange({number("massKg"), number("bodyHeightM"), number("spinDegPerS"),
                        number("limbSpeedRadPerS")});
}

val PanelLinesValue(const FrameResult& frame, Model model, const Athlete& athlete,
                    const std::string& decimalPoint) {
    const PanelLines panel = PanelLinesFor(frame, model, athlete, DecimalPoint(decimalPoint));
    val lines = val::array();
    for (const PanelText& line : panel.lines) {
        lines.call<void>("push", PanelTextValue(line));
    }
    val out = val::object();
    out.set("lines", lines);
    out.set("landingLines", panel.landingLines);
    return out;
}

val VerdictValue(const FlightRecord& record, const std::string& decimalPoint) {
    const std::optional<Landing> landing =
        record.frames.empty() ? std::nullopt : LandingOf(record.frames.back());
    return landing ? PanelTextValue(VerdictText(*landing, DecimalPoint(decimalPoint)))
                   : val::null();
}

val SheetValue(const FlightRecord& record, const std::string& language) {
    return SheetValue(FlightSheetFor(record, language == "en" ? WorkbookLanguage::English
                                                              : WorkbookLanguage::German));
}

val SheetValue(const FlightSheet& sheet) {
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
        column.set("wrap", c.wrap);
        columns.call<void>("push", column);
    }
    out.set("columns", columns);
    out.set("repeatedRow", sheet.repeatedRow);
    val heights = val::array();
    for (const FlightSheet::RowHeight& r : sheet.rowHeights) {
        val height = val::object();
        height.set("row", r.row);
        height.set("points", r.points);
        heights.call<void>("push", height);
    }
    out.set("rowHeights", heights);
    val fills = val::array();
    for (const FlightSheet::Fill& f : sheet.fills) {
        val fill = val::object();
        fill.set("row", f.row);
        fill.set("column", f.column);
        fill.set("argb", double(f.argb));
        fills.call<void>("push", fill);
    }
    out.set("fills", fills);
    return out;
}

} // namespace purzo::web
