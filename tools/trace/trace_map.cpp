// SPDX-License-Identifier: MIT
#include "trace_map.h"

#include "flight/flight_constants.h"
#include "flight/flight_parameters.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace purzo {

std::optional<std::string> MapPlanError(const MapRequest& request) {
    // The longest flights of the range bound the plan: every take-off flies it, tucking as far
    // as its own touchdown lets it.
    PlanLimits widest;
    for (const double speed : {double(kMinSpeed), double(kMaxSpeed)}) {
        for (const double angle : {double(kMinAngle), double(kMaxAngle)}) {
            const PlanLimits limits =
                PlanLimitsFor(ComputeFlightParameters(speed, angle), request.model, request.athlete,
                              std::clamp(request.plan.depth, 5, 7));
            widest.lastStartFrame = std::max(widest.lastStartFrame, limits.lastStartFrame);
            widest.longestFrames = std::max(widest.longestFrames, limits.longestFrames);
        }
    }
    return PlanError(request.plan, widest);
}

void PrintLandingMap(const MapRequest& request, bool best, std::ostream& out) {
    const MapAxes axes = MapAxesFor(request);
    std::vector<MapCell> cells;
    cells.reserve(std::size_t(axes.columns) * std::size_t(axes.rows));
    if (!best) {
        out << MapCsvHeader() << '\n';
    }
    for (int column = 0; column < axes.columns; ++column) {
        for (int row = 0; row < axes.rows; ++row) {
            cells.push_back(MapCellAt(request, axes, column, row));
            if (!best) {
                out << MapCsvRow(cells.back()) << '\n';
            }
        }
    }
    if (best) {
        out << BestPlansCsvHeader() << '\n' << BestPlansCsvRow(BestPlansOf(cells)) << '\n';
    }
}

} // namespace purzo
