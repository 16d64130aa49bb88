// SPDX-License-Identifier: MIT
// What the page calls: the design, the take-off check and the playback of flights. The page
// computes no physics and formats no numbers of its own.
#include "design/edge_bands.h"
#include "design/panel_box.h"
#include "design/panel_corner.h"
#include "design/playback_keys_design.h"
#include "design/presentation_layout.h"
#include "design/side_by_side_grid.h"
#include "design_export.h"
#include "flight/athlete_text.h"
#include "flight/file_names.h"
#include "flight/log_cells.h"
#include "flight/model.h"
#include "flight/panel_lines.h"
#include "flight/quantities.h"
#include "flight/takeoff_check.h"
#include "flight/takeoff_text.h"
#include "flight_values.h"
#include "map_values.h"
#include "page_log.h"
#include "page_player.h"
#include "plan_values.h"
#include "video_values.h"

#include <algorithm>
#include <cmath>
#include <emscripten/bind.h>
#include <optional>

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

val WidestPanelLines(const std::string& modelName, const val& athlete,
                     const std::string& decimalPoint) {
    return PanelLinesValue(WidestPanelFrame(), ParseModel(modelName).value_or(Model::Classic),
                           AthleteFrom(athlete), decimalPoint);
}

// A typed athlete's value (0 mass, 1 height, 2 spin, 3 limb speed) inside its range, or null.
val ReadAthleteValueForPage(const std::string& text, int which) {
    const std::optional<double> value = ReadAthleteValue(text, AthleteRangeOf(which));
    return value ? val(*value) : val::null();
}

// A value as the panel writes it.
std::string AthleteValueTextForPage(int which, double value, const std::string& decimalPoint) {
    return AthleteValueText(which, value, decimalPoint.empty() ? '.' : decimalPoint[0]);
}

// The ranges: [{least, most, standard}] for mass, height, spin and limb speed.
val AthleteRanges() {
    val out = val::array();
    for (int which = 0; which < kAthleteValueCount; ++which) {
        const AthleteRange& r = AthleteRangeOf(which);
        val range = val::object();
        range.set("least", r.least);
        range.set("most", r.most);
        range.set("standard", r.standard);
        out.call<void>("push", range);
    }
    return out;
}

TextLanguage LanguageOf(const std::string& language) {
    return language == "en" ? TextLanguage::English : TextLanguage::German;
}

val ChartQuantitiesForPage(const std::string& modelName, const std::string& language) {
    val out = val::array();
    for (const Quantity q : ChartQuantities(ParseModel(modelName).value_or(Model::Classic))) {
        val entry = val::object();
        entry.set("code", val(std::string(InfoOf(q).code)));
        entry.set("header", val(HeaderOf(q, LanguageOf(language))));
        entry.set("exactOnly", InfoOf(q).exactOnly);
        out.call<void>("push", entry);
    }
    return out;
}

// "" for an unknown key.
// The comparison table's row names after the group's: short, with their units.
emscripten::val ComparisonRowsForPage(const std::string& language) {
    emscripten::val rows = emscripten::val::array();
    for (const Quantity q : ComparisonQuantities()) {
        rows.call<void>("push", emscripten::val(ShortHeaderOf(q, LanguageOf(language))));
    }
    return rows;
}

// The comparison table's row of chosen postures, drawn as a strip: the group's row comes first.
int ComparisonStripRowForPage() {
    const auto rows = ComparisonQuantities();
    return 1 + int(std::find(rows.begin(), rows.end(), Quantity::Postures) - rows.begin());
}

std::string QuantityHeaderForPage(const std::string& code, const std::string& language) {
    for (int q = 0; q <= int(Quantity::LimbSpeed); ++q) {
        if (code == InfoOf(Quantity(q)).code) {
            return HeaderOf(Quantity(q), LanguageOf(language));
        }
    }
    return {};
}

std::string FlightFileNameForPage(int number, const std::string& speedText,
                                  const std::string& angleText, const std::string& modelName,
                                  const std::string& group, const std::string& extension) {
    return FlightFileName(
        {number, speedText, angleText, ParseModel(modelName).value_or(Model::Classic), group},
        extension);
}

std::string LogFileNameForPage(const std::string& group, const std::string& date,
                               const std::string& extension) {
    return LogFileName(group, date, extension);
}

// The data panel's corner as the window decides it: path [x0, y0, x1, …] in canvas units, the
// box and the surface in device pixels, transform {sx, sy, dx, dy} from canvas units to them.
bool PanelBelongsRightForPage(const val& path, double boxWidth, double boxHeight,
                              double surfaceWidth, const val& t, double margin,
                              const val& athlete) {
    const std::vector<double> xy = emscripten::vecFromJSArray<double>(path);
    std::vector<Point> points;
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        points.push_back({xy[i], xy[i + 1]});
    }
    return PanelBelongsRight(
        points,
        {0, 0, surfaceWidth, boxWidth, boxHeight, margin,
         ScaledReach(AthleteFrom(athlete), kBodyReach)},
        {t["sx"].as<double>(), t["sy"].as<double>(), t["dx"].as<double>(), t["dy"].as<double>()});
}

// The data panel's box for lines this wide: {widthPx, heightPx, borderPx, baselinesPx}.
val PanelBoxForPage(const val& lineWidthsPx, int landingLines, double ascentPx, double descentPx,
                    double leadingPx, double scale) {
    const PanelBox box = PanelBoxFor(emscripten::vecFromJSArray<double>(lineWidthsPx), landingLines,
                                     {ascentPx, descentPx, leadingPx}, scale);
    val out = val::object();
    out.set("widthPx", box.widthPx);
    out.set("heightPx", box.heightPx);
    out.set("borderPx", box.borderPx);
    out.set("baselinesPx", val::array(box.baselinesPx));
    return out;
}

val GridRectForPage(const GridRect& r) {
    val out = val::object();
    out.set("x", r.x);
    out.set("y", r.y);
    out.set("width", r.width);
    out.set("height", r.height);
    return out;
}

// The side-by-side comparison's cells and the table's room, in the page's pixels.
val SideBySideGridForPage(double widthPx, double heightPx, int flights, double scale,
                          double viewAspect) {
    const SideBySideGrid grid = SideBySideGridFor(widthPx, heightPx, flights, scale, viewAspect);
    val cells = val::array();
    for (const GridRect& cell : grid.cells) {
        cells.call<void>("push", GridRectForPage(cell));
    }
    val out = val::object();
    out.set("cells", cells);
    out.set("table", grid.table ? GridRectForPage(*grid.table) : val::null());
    out.set("markFactor", grid.markFactor);
    return out;
}

// What a key does on the page's canvas: the action's name and whether it waits for a flight to
// step through; null for a key that does nothing there.
val PlaybackKeyForPage(const std::string& key, bool shift, bool otherModifiers) {
    const std::optional<PlaybackAction> action =
        PlaybackActionFor(key, shift, otherModifiers, KeyNaming::Page);
    if (!action) {
        return val::null();
    }
    const PlaybackKeyDesign& design = PlaybackKeyOf(*action);
    val out = val::object();
    out.set("action", val(design.name));
    out.set("onlyWhileStepping", design.onlyWhileStepping);
    return out;
}

val PresentationLayoutForPage(double widthPx, double heightPx) {
    const PresentationLayout l = PresentationLayoutFor(widthPx, heightPx);
    val out = val::object();
    out.set("scale", l.scale);
    out.set("canvasLeft", l.canvasLeft);
    out.set("canvasTop", l.canvasTop);
    out.set("canvasWidth", l.canvasWidth);
    out.set("canvasHeight", l.canvasHeight);
    out.set("verdictTop", l.verdictTop);
    out.set("verdictHeight", l.verdictHeight);
    out.set("verdictFontPt", l.verdictFontPt);
    return out;
}

// Each line's mean across the band at `edge` (0 left, 1 right, 2 top, 3 bottom).
val EdgeBandMeansForPage(const val& pixels, int width, int height, int edge, int depth) {
    const std::vector<std::uint32_t> data =
        emscripten::convertJSArrayToNumberVector<std::uint32_t>(pixels);
    const PictureEdge e = edge == 1   ? PictureEdge::Right
                          : edge == 2 ? PictureEdge::Top
                          : edge == 3 ? PictureEdge::Bottom
                                      : PictureEdge::Left;
    return val::array(EdgeBandMeans(data, width, height, e, depth));
}

// The worksheet's first caption line, e.g. "6 m/s, 60°, Zeitlupe, exaktes Modell" untranslated.
val CaptionTakeOffTextForPage(const std::string& speedText, const std::string& angleText, int pace,
                              const std::string& modelName, const val& athlete,
                              const std::string& decimalPoint) {
    const Pace p = pace == 1   ? Pace::SlowMotion
                   : pace == 2 ? Pace::ExtremeSlowMotion
                               : Pace::RealTime;
    return PanelTextValue(
        CaptionTakeOffText(speedText, angleText, p, ParseModel(modelName).value_or(Model::Classic),
                           AthleteFrom(athlete), decimalPoint.empty() ? '.' : decimalPoint[0]));
}

} // namespace
} // namespace purzo::web

EMSCRIPTEN_BINDINGS(purzo) {
    using namespace purzo::web;
    emscripten::function("design", &DesignForPage);
    emscripten::function("checkTakeoff", &CheckTakeoffForPage);
    emscripten::function("sliderValueFor", &SliderValueFor);
    emscripten::function("widestPanelLines", &WidestPanelLines);
    emscripten::function("chartQuantities", &ChartQuantitiesForPage);
    emscripten::function("flightFileName", &FlightFileNameForPage);
    emscripten::function("panelBelongsRight", &PanelBelongsRightForPage);
    emscripten::function("logFileName", &LogFileNameForPage);
    emscripten::function("quantityHeader", &QuantityHeaderForPage);
    emscripten::function("comparisonRows", &ComparisonRowsForPage);
    emscripten::function("comparisonStripRow", &ComparisonStripRowForPage);
    emscripten::function("panelBox", &PanelBoxForPage);
    emscripten::function("sideBySideGrid", &SideBySideGridForPage);
    emscripten::function("playbackKey", &PlaybackKeyForPage);
    emscripten::function("presentationLayout", &PresentationLayoutForPage);
    emscripten::function("edgeBandDepth", &purzo::EdgeBandDepth);
    emscripten::function("edgeBandMeans", &EdgeBandMeansForPage);
    emscripten::function("captionTakeOffText", &CaptionTakeOffTextForPage);
    emscripten::function("readAthleteValue", &ReadAthleteValueForPage);
    emscripten::function("athleteValueText", &AthleteValueTextForPage);
    emscripten::function("athleteRanges", &AthleteRanges);
    emscripten::function("planChoices", &PlanChoicesForPage);
    emscripten::function("planLimits", &PlanLimitsForPage);
    emscripten::function("planTimes", &PlanTimesForPage);
    emscripten::function("readPredictedRotation", &ReadPredictedRotationForPage);
    emscripten::function("readPostureList", &ReadPostureListForPage);
    BindLandingMap();
    BindVideo();
    emscripten::class_<PagePlayer>("PagePlayer")
        .constructor<emscripten::val, emscripten::val>()
        .function("startFlight", &PagePlayer::startFlight)
        .function("startPlannedFlight", &PagePlayer::startPlannedFlight)
        .function("replayLastFlight", &PagePlayer::replayLastFlight)
        .function("stop", &PagePlayer::stop)
        .function("runDueFrame", &PagePlayer::runDueFrame)
        .function("togglePause", &PagePlayer::togglePause)
        .function("paused", &PagePlayer::paused)
        .function("canStep", &PagePlayer::canStep)
        .function("step", &PagePlayer::step)
        .function("stepToEnd", &PagePlayer::stepToEnd)
        .function("shownCount", &PagePlayer::shownCount)
        .function("flightRunning", &PagePlayer::flightRunning)
        .function("replayRunning", &PagePlayer::replayRunning)
        .function("runningNumber", &PagePlayer::runningNumber)
        .function("lastNumber", &PagePlayer::lastNumber)
        .function("previousNumber", &PagePlayer::previousNumber)
        .function("frameCount", &PagePlayer::frameCount)
        .function("frame", &PagePlayer::frame)
        .function("panelLines", &PagePlayer::panelLines)
        .function("verdict", &PagePlayer::verdict)
        .function("description", &PagePlayer::description)
        .function("centrePath", &PagePlayer::centrePath)
        .function("csv", &PagePlayer::csv)
        .function("sheet", &PagePlayer::sheet)
        .function("modelName", &PagePlayer::modelName)
        .function("speedText", &PagePlayer::speedText)
        .function("angleText", &PagePlayer::angleText)
        .function("pace", &PagePlayer::pace)
        .function("athlete", &PagePlayer::athlete)
        .function("replayedNumber", &PagePlayer::replayedNumber)
        .function("captionTexts", &PagePlayer::captionTexts);
    emscripten::class_<PageLog>("PageLog")
        .constructor<>()
        .function("merge", &PageLog::merge)
        .function("stored", &PageLog::stored)
        .function("allStored", &PageLog::allStored)
        .function("text", &PageLog::text)
        .function("logLast", &PageLog::logLast)
        .function("logVideoFlight", &PageLog::logVideoFlight)
        .function("logWhatIf", &PageLog::logWhatIf)
        .function("setShown", &PageLog::setShown)
        .function("remove", &PageLog::remove)
        .function("clear", &PageLog::clear)
        .function("setGroup", &PageLog::setGroup)
        .function("group", &PageLog::group)
        .function("setLesson", &PageLog::setLesson)
        .function("title", &PageLog::title)
        .function("date", &PageLog::date)
        .function("groupNames", &PageLog::groupNames)
        .function("showBest", &PageLog::showBest)
        .function("mergeStudentLog", &PageLog::mergeStudentLog)
        .function("count", &PageLog::count)
        .function("newestNumber", &PageLog::newestNumber)
        .function("headers", &PageLog::headers)
        .function("codes", &PageLog::codes)
        .function("rows", &PageLog::rows)
        .function("drawn", &PageLog::drawn)
        .function("frameCount", &PageLog::frameCount)
        .function("frame", &PageLog::frame)
        .function("workbook", &PageLog::workbook)
        .function("replay", &PageLog::replay);
}
