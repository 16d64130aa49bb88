// SPDX-License-Identifier: MIT
// Maps of where a body lands: every take-off of the text boxes' range for one tuck plan, or every
// tuck plan for one take-off, each cell a flight flown exactly as the window would fly it.
#pragma once

#include "body/athlete.h"
#include "flight/flight_record.h"
#include "flight/flight_summary.h"
#include "flight/model.h"
#include "flight/text_language.h"
#include "flight/tuck_plan.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace purzo {

// Each limb within this many degrees of posture 1's or posture 2's: the body has opened again.
inline constexpr double kStretchedToleranceDeg = 10.0;
bool StretchedShape(const LimbDegrees& shape);

// A cell's colour on the map: the verdict, with a landing on the feet still tucked apart.
enum class MapClass { Upright, TooFar, TooShort, NotOnFeet, UprightTucked };
inline constexpr int kMapClassCount = 5;
std::string_view MapClassCode(MapClass mapClass); // "upright", …, "upright-tucked"
// The class in words for a legend: the verdict's words, "auf den Füßen, noch gehockt".
const char* MapClassName(MapClass mapClass, TextLanguage language);

enum class MapKind { SpeedAngle, Tuck };

struct MapRequest {
    MapKind kind = MapKind::Tuck;
    Model model = Model::Exact;
    Athlete athlete;
    TuckPlan plan;         // the speed × angle map's plan
    double speedMPerS = 6; // the tuck map's take-off
    double angleDeg = 70;
    int depth = kStandardPlanDepth; // the tuck map's depth
};

// Columns and rows: speed (0.1 m/s steps) × angle (1°), or tuck start × tuck length (frames).
struct MapAxes {
    int columns = 0;
    int rows = 0;
    double firstColumn = 0, columnStep = 0; // m/s, or frames
    double firstRow = 0, rowStep = 0;       // degrees, or frames
};
MapAxes MapAxesFor(const MapRequest& request);

struct MapCell {
    double speedMPerS = 0;
    double angleDeg = 0;
    TuckPlan plan;
    FlightSummary summary;
    bool stretchedAtTouchdown = false;
    MapClass mapClass = MapClass::NotOnFeet;
};

// The cell in a column and a row, flown on its own: cells are independent, so that a front end
// may spread them over threads and stop between any two.
MapCell MapCellAt(const MapRequest& request, const MapAxes& axes, int column, int row);

// The flights that land upright and stretched: the earliest and latest tuck start and the
// shortest and longest tuck among them (s); nothing where none does.
struct BestPlans {
    std::optional<double> earliestStartS, latestStartS, shortestS, longestS;
};
BestPlans BestPlansOf(std::span<const MapCell> cells);

// The tuck plan a logged flight stands for on a map: its plan, or for a flight by hand or by a
// posture list the one tuck its postures form; nothing where they form none.
std::optional<TuckPlan> MapPlanOf(const FlightRecord& record);

// tuckStartFrame,tuckFrames,depth, the summary's columns, stretchedAtTouchdown.
std::string MapCsvHeader();
std::string MapCsvRow(const MapCell& cell);
std::string BestPlansCsvHeader();
std::string BestPlansCsvRow(const BestPlans& best);

} // namespace purzo
