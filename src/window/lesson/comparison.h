// SPDX-License-Identifier: MIT
// The flights the log shows beside the current one, as the canvas and the charts draw them, and
// what a comparison of them needs: its table's rows and the flight that sets its clock.
#pragma once

#include "flight/flight_log.h"
#include "flight/flight_record.h"
#include "window/view/shown_flight.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace purzo {

// In the log's order, each in its own style: with its legend line, its group and its column of
// a comparison's table. `previous` and `running` as the log decides which flights to draw.
std::vector<ShownFlight> ShownFlightsOf(const FlightLog& log, bool previous, bool running);

// The flights as far as `moment` frames each (all of a flight that has landed by then): what
// the charts draw of a comparison.
std::vector<ShownFlight> AtMoment(std::vector<ShownFlight> flights, std::size_t moment);

// The comparison's rows: the group, then take-off, tuck, rotation, attitude and verdict.
QStringList ComparisonRowNames();

// The shown flight whose frames run longest: played as the comparison's clock, so that every
// flight reaches its touchdown. None when nothing is shown.
std::optional<FlightRecord> ComparisonClock(const FlightLog& log,
                                            const std::vector<ShownFlight>& shown);

} // namespace purzo
