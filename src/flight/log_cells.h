// SPDX-License-Identifier: MIT
// A logged flight's cell for each quantity of the log: a number, a text in the chosen language, or
// nothing (no tuck, no landing). The window's table, the log workbook and the page read them.
#pragma once

#include "flight/flight_log.h"
#include "flight/quantities.h"

#include <optional>
#include <span>
#include <string>

namespace purzo {

// The log's columns in order: number, model, take-off, athlete, pace, tuck, flight and landing.
std::span<const Quantity> LogQuantities();

struct LogCell {
    std::optional<double> number;
    std::string text; // when it is no number
    bool empty() const { return !number && text.empty(); }
};

// A comparison's rows, each a cell per compared flight: its take-off, tuck, rotation and landing.
std::span<const Quantity> ComparisonQuantities();

// A flight's chosen postures as digits, "1777111"; a plan and a prediction in words.
std::string PosturesText(const FlightRecord& record);
std::string PlanText(const TuckPlan& plan, TextLanguage language);
std::string PredictionText(const Prediction& prediction, TextLanguage language);

LogCell LogCellOf(const LoggedFlight& flight, Quantity quantity, TextLanguage language);

// A comparison's cell: the log's, but the verdict short enough for a table on the board
// ("zu weit", or the part that touched first: "zuerst Hand"), and a prediction with how far the
// rotation was off ("aufrecht, 360° (−25,5°)").
LogCell ComparisonCellOf(const LoggedFlight& flight, Quantity quantity, TextLanguage language);

} // namespace purzo
