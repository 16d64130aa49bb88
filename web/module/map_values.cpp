// SPDX-License-Identifier: MIT
#include "map_values.h"

#include "design/map_palette.h"
#include "flight/flight_constants.h"
#include "flight/landing_map.h"
#include "flight/log_cells.h"
#include "flight/number_text.h"
#include "flight/quantities.h"
#include "flight_values.h"
#include "page_log.h"
#include "plan_values.h"

#include <algorithm>
#include <cmath>

namespace purzo::web {
namespace {

using emscripten::val;

TextLanguage LanguageOf(const std::string& language) {
    return language == "en" ? TextLanguage::English : TextLanguage::German;
}

char PointOf(const std::string& language) {
    return language == "en" ? '.' : ',';
}

// {kind: "tuck" | "speedAngle", model, athlete, plan, speedMPerS, angleDeg, depth}; what is
// missing or unreadable stays as a MapRequest starts.
MapRequest RequestFrom(const val& value) {
    MapRequest request;
    request.kind =
        value["kind"].as<std::string>() == "speedAngle" ? MapKind::SpeedAngle : MapKind::Tuck;
    request.model = ParseModel(value["model"].as<std::string>()).value_or(Model::Classic);
    request.athlete = AthleteFrom(value["athlete"]);
    if (const auto plan = PlanFrom(value["plan"])) {
        request.plan = *plan;
    }
    // As the window's fields hold them: tenths of a metre per second and whole degrees.
    request.speedMPerS = std::clamp(std::round(value["speedMPerS"].as<double>() * 10) / 10,
                                    double(kMinSpeed), double(kMaxSpeed));
    request.angleDeg = std::clamp(std::round(value["angleDeg"].as<double>()), double(kMinAngle),
                                  double(kMaxAngle));
    request.depth = std::clamp(value["depth"].as<int>(), kFirstPlanDepth, kLastPosture);
    return request;
}

// {columns, rows, firstColumn, columnStep, firstRow, rowStep, columnTexts, rowTexts}: the ticks'
// labels as the window writes them.
val MapAxesForPage(const val& requestValue, const std::string& language) {
    const MapRequest request = RequestFrom(requestValue);
    const MapAxes axes = MapAxesFor(request);
    val out = val::object();
    out.set("columns", axes.columns);
    out.set("rows", axes.rows);
    out.set("firstColumn", axes.firstColumn);
    out.set("columnStep", axes.columnStep);
    out.set("firstRow", axes.firstRow);
    out.set("rowStep", axes.rowStep);
    val columns = val::array();
    for (int c = 0; c < axes.columns; ++c) {
        const double value = axes.firstColumn + c * axes.columnStep;
        columns.call<void>("push", val(request.kind == MapKind::SpeedAngle
                                           ? FixedText(value, 1, PointOf(language))
                                           : std::to_string(int(std::lround(value)))));
    }
    val rows = val::array();
    for (int r = 0; r < axes.rows; ++r) {
        rows.call<void>("push",
                        val(std::to_string(int(std::lround(axes.firstRow + r * axes.rowStep)))));
    }
    out.set("columnTexts", columns);
    out.set("rowTexts", rows);
    return out;
}

// Cells from..to−1 (column * rows + row), flown: {mapClass, speedMPerS, angleDeg, plan,
// tuckStartS, tuckedS, csv, texts: {speed, angle, plan, turns, attitude (null: no landing)}}.
val MapCellsForPage(const val& requestValue, int from, int to, const std::string& language) {
    const MapRequest request = RequestFrom(requestValue);
    const MapAxes axes = MapAxesFor(request);
    const char point = PointOf(language);
    val out = val::array();
    for (int i = std::max(from, 0); i < std::min(to, axes.columns * axes.rows); ++i) {
        const MapCell cell = MapCellAt(request, axes, i / axes.rows, i % axes.rows);
        val plan = val::object();
        plan.set("startFrame", cell.plan.startFrame);
        plan.set("frames", cell.plan.frames);
        plan.set("depth", cell.plan.depth);
        val texts = val::object();
        texts.set("speed", val(FixedText(cell.speedMPerS, 1, point)));
        texts.set("angle", val(FixedText(cell.angleDeg, 0, point)));
        texts.set("plan", val(PlanText(cell.plan, LanguageOf(language))));
        texts.set("turns", val(FixedText(cell.summary.turns, 2, point)));
        texts.set("attitude", cell.summary.landing
                                  ? val(FixedText(cell.summary.landing->attitudeDeg, 1, point))
                                  : val::null());
        val v = val::object();
        v.set("mapClass", int(cell.mapClass));
        v.set("speedMPerS", cell.speedMPerS);
        v.set("angleDeg", cell.angleDeg);
        v.set("plan", plan);
        v.set("tuckStartS",
              cell.summary.tuck.startS ? val(*cell.summary.tuck.startS) : val::null());
        v.set("tuckedS", cell.summary.tuck.tuckedS);
        v.set("csv", val(MapCsvRow(cell)));
        v.set("texts", texts);
        out.call<void>("push", v);
    }
    return out;
}

// The cells that land upright and stretched: {earliestStart, latestStart, shortest, longest} in
// s as the window writes them, or null where none does.
val BestPlansForPage(const val& cellValues, const std::string& language) {
    std::vector<MapCell> cells;
    const int count = cellValues["length"].as<int>();
    cells.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const val v = cellValues[i];
        MapCell cell;
        cell.mapClass = MapClass(v["mapClass"].as<int>());
        if (v["tuckStartS"].isNumber()) {
            cell.summary.tuck.startS = v["tuckStartS"].as<double>();
        }
        cell.summary.tuck.tuckedS = v["tuckedS"].as<double>();
        cells.push_back(cell);
    }
    const BestPlans best = BestPlansOf(cells);
    if (!best.earliestStartS) {
        return val::null();
    }
    const char point = PointOf(language);
    val out = val::object();
    out.set("earliestStart", val(FixedText(*best.earliestStartS, 2, point)));
    out.set("latestStart", val(FixedText(*best.latestStartS, 2, point)));
    out.set("shortest", val(FixedText(*best.shortestS, 2, point)));
    out.set("longest", val(FixedText(*best.longestS, 2, point)));
    return out;
}

// The classes in their order: [{colour (ARGB), pattern (0 plain … 4 dots), name}], and the
// rings' colour.
val MapStylesForPage(const std::string& language) {
    val classes = val::array();
    for (int c = 0; c < kMapClassCount; ++c) {
        const MapClassStyle style = MapClassStyleOf(c);
        val entry = val::object();
        entry.set("colour", double(style.colour));
        entry.set("pattern", int(style.pattern));
        entry.set("name", val(std::string(MapClassName(MapClass(c), LanguageOf(language)))));
        classes.call<void>("push", entry);
    }
    val out = val::object();
    out.set("classes", classes);
    out.set("markerColour", double(kMapMarkerColour));
    return out;
}

// What the caption and the fields show of a request: {speed, angle, plan, model}.
val MapRequestTextsForPage(const val& requestValue, const std::string& language) {
    const MapRequest request = RequestFrom(requestValue);
    val out = val::object();
    out.set("speed", val(FixedText(request.speedMPerS, 1, PointOf(language))));
    out.set("angle", val(FixedText(request.angleDeg, 0, PointOf(language))));
    out.set("plan", val(PlanText(request.plan, LanguageOf(language))));
    out.set("model", val(std::string(ModelText(request.model, LanguageOf(language)))));
    out.set("ownAthlete", request.model == Model::Exact && request.athlete != kStandardAthlete);
    return out;
}

// A cell's take-off as the window types it into the boxes: {speed, angle}.
val MapTakeoffTextsForPage(double speed, double angle, const std::string& decimalPoint) {
    std::string speedText = ShortestDoubleText(speed);
    std::replace(speedText.begin(), speedText.end(), '.',
                 decimalPoint.empty() ? '.' : decimalPoint[0]);
    val out = val::object();
    out.set("speed", val(speedText));
    out.set("angle", val(ShortestDoubleText(angle)));
    return out;
}

// The lesson's flights that stand on the map, as the window finds them: [{column, row, label}],
// column and row in cells from the first (fractions between them).
val MapMarkersForPage(const PageLog& log, const val& requestValue) {
    const MapRequest request = RequestFrom(requestValue);
    const MapAxes axes = MapAxesFor(request);
    val out = val::array();
    for (const LoggedFlight& f : log.log().flights()) {
        const FlightRecord& r = f.record;
        const std::optional<TuckPlan> plan = MapPlanOf(r);
        const bool sameAthlete =
            r.model == request.model && (r.model == Model::Classic || r.athlete == request.athlete);
        if (!sameAthlete || !plan) {
            continue;
        }
        double column = 0, row = 0;
        if (request.kind == MapKind::SpeedAngle) {
            if (*plan != request.plan) {
                continue;
            }
            column = (r.params.takeoffSpeed - axes.firstColumn) / axes.columnStep;
            row = (r.params.takeoffAngle - axes.firstRow) / axes.rowStep;
        } else {
            if (r.params.takeoffSpeed != request.speedMPerS ||
                r.params.takeoffAngle != request.angleDeg || plan->depth != request.depth) {
                continue;
            }
            column = plan->startFrame - axes.firstColumn;
            row = std::min(plan->frames, axes.rows) - 1;
        }
        val m = val::object();
        m.set("column", column);
        m.set("row", row);
        m.set("label", val(std::to_string(f.number) + (f.group.empty() ? "" : " " + f.group)));
        out.call<void>("push", m);
    }
    return out;
}

} // namespace

void BindLandingMap() {
    emscripten::function("mapAxes", &MapAxesForPage);
    emscripten::function("mapCells", &MapCellsForPage);
    emscripten::function("bestPlans", &BestPlansForPage);
    emscripten::function("mapStyles", &MapStylesForPage);
    emscripten::function("mapRequestTexts", &MapRequestTextsForPage);
    emscripten::function("mapTakeoffTexts", &MapTakeoffTextsForPage);
    emscripten::function("mapMarkers", &MapMarkersForPage);
    emscripten::function("mapCsvHeader", &MapCsvHeader);
}

} // namespace purzo::web
