// SPDX-License-Identifier: MIT
#include "flight/landing_map.h"

#include "body/posture_table.h"
#include "flight/flight_constants.h"
#include "flight/flight_parameters.h"
#include "flight/number_text.h"
#include "flight/takeoff_check.h"
#include "flight/whole_flight.h"

#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

bool Near(const LimbDegrees& a, const LimbDegrees& b) {
    return std::abs(a.upperArmDeg - b.upperArmDeg) <= kStretchedToleranceDeg &&
           std::abs(a.forearmDeg - b.forearmDeg) <= kStretchedToleranceDeg &&
           std::abs(a.thighDeg - b.thighDeg) <= kStretchedToleranceDeg &&
           std::abs(a.shankDeg - b.shankDeg) <= kStretchedToleranceDeg;
}

MapClass ClassOf(const FlightSummary& summary, bool stretched) {
    if (!summary.landing) {
        return MapClass::NotOnFeet;
    }
    switch (summary.landing->verdict) {
    case Verdict::Upright:
        return stretched ? MapClass::Upright : MapClass::UprightTucked;
    case Verdict::TooFar:
        return MapClass::TooFar;
    case Verdict::TooShort:
        return MapClass::TooShort;
    case Verdict::NotOnFeet:
        break;
    }
    return MapClass::NotOnFeet;
}

void Widen(std::optional<double>& least, std::optional<double>& most, double value) {
    least = least ? std::min(*least, value) : value;
    most = most ? std::max(*most, value) : value;
}

std::string Optional(const std::optional<double>& value) {
    return value ? ShortestDoubleText(*value) : std::string();
}

} // namespace

bool StretchedShape(const LimbDegrees& shape) {
    return Near(shape, LimbDegreesFor(1)) || Near(shape, LimbDegreesFor(2));
}

std::string_view MapClassCode(MapClass mapClass) {
    switch (mapClass) {
    case MapClass::Upright:
        return "upright";
    case MapClass::TooFar:
        return "too-far";
    case MapClass::TooShort:
        return "too-short";
    case MapClass::NotOnFeet:
        return "not-on-feet";
    case MapClass::UprightTucked:
        return "upright-tucked";
    }
    return "";
}

const char* MapClassName(MapClass mapClass, TextLanguage language) {
    switch (mapClass) {
    case MapClass::Upright:
        return VerdictName(Verdict::Upright, language);
    case MapClass::TooFar:
        return VerdictName(Verdict::TooFar, language);
    case MapClass::TooShort:
        return VerdictName(Verdict::TooShort, language);
    case MapClass::NotOnFeet:
        return VerdictName(Verdict::NotOnFeet, language);
    case MapClass::UprightTucked:
        break;
    }
    return language == TextLanguage::English ? "on the feet, still tucked"
                                             : "auf den Füßen, noch gehockt";
}

MapAxes MapAxesFor(const MapRequest& request) {
    if (request.kind == MapKind::SpeedAngle) {
        // Tenths of a metre per second and whole degrees over the text boxes' range.
        const int speeds = int(std::lround((kMaxSpeed - kMinSpeed) * 10)) + 1;
        const int angles = int(std::lround(kMaxAngle - kMinAngle)) + 1;
        return {speeds, angles, kMinSpeed, 0.1, kMinAngle, 1};
    }
    const FlightParameters params = ComputeFlightParameters(request.speedMPerS, request.angleDeg);
    const PlanLimits limits = PlanLimitsFor(params, request.model, request.athlete, request.depth);
    return {limits.lastStartFrame - kFirstPlanStartFrame + 1,
            limits.longestFrames,
            double(kFirstPlanStartFrame),
            1,
            1,
            1};
}

MapCell MapCellAt(const MapRequest& request, const MapAxes& axes, int column, int row) {
    MapCell cell;
    if (request.kind == MapKind::SpeedAngle) {
        // Tenths counted as integers: cell 10 is 5 m/s exactly, as typed into the box.
        cell.speedMPerS = (kMinSpeed * 10 + column) / 10.0;
        cell.angleDeg = kMinAngle + row;
        cell.plan = request.plan;
    } else {
        cell.speedMPerS = request.speedMPerS;
        cell.angleDeg = request.angleDeg;
        cell.plan = {int(axes.firstColumn) + column, 1 + row, request.depth, {}};
    }
    const FlightParameters params = ComputeFlightParameters(cell.speedMPerS, cell.angleDeg);
    const std::vector<FrameResult> frames =
        RunWholeFlight(params, PlanPostures(cell.plan), request.model, request.athlete);
    cell.summary = SummaryOf(params, request.model, frames);
    cell.stretchedAtTouchdown = !frames.empty() && StretchedShape(frames.back().shape);
    cell.mapClass = ClassOf(cell.summary, cell.stretchedAtTouchdown);
    return cell;
}

BestPlans BestPlansOf(std::span<const MapCell> cells) {
    BestPlans best;
    for (const MapCell& cell : cells) {
        if (cell.mapClass != MapClass::Upright || !cell.summary.tuck.startS) {
            continue;
        }
        Widen(best.earliestStartS, best.latestStartS, *cell.summary.tuck.startS);
        Widen(best.shortestS, best.longestS, cell.summary.tuck.tuckedS);
    }
    return best;
}

std::optional<TuckPlan> MapPlanOf(const FlightRecord& record) {
    if (record.plan && record.plan->postures.empty()) {
        return record.plan;
    }
    return PlanOfPostures(record.postures());
}

std::string MapCsvHeader() {
    std::string header = "tuckStartFrame,tuckFrames,depth,";
    header += SummaryCsvHeader();
    header += ",stretchedAtTouchdown";
    return header;
}

std::string MapCsvRow(const MapCell& cell) {
    return std::to_string(cell.plan.startFrame) + ',' + std::to_string(cell.plan.frames) + ',' +
           std::to_string(cell.plan.depth) + ',' + SummaryCsvRow(cell.summary) + ',' +
           (cell.stretchedAtTouchdown ? '1' : '0');
}

std::string BestPlansCsvHeader() {
    return "earliestStartS,latestStartS,shortestS,longestS";
}

std::string BestPlansCsvRow(const BestPlans& best) {
    return Optional(best.earliestStartS) + ',' + Optional(best.latestStartS) + ',' +
           Optional(best.shortestS) + ',' + Optional(best.longestS);
}

} // namespace purzo
