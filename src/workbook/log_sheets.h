// SPDX-License-Identifier: MIT
// The lesson's log as a workbook, as plain data: the sheet "Gruppen" with each group's attempts
// and best one, the sheet "Protokoll" with the lesson and its date above a row per flight, a sheet
// per flight as the flight workbook has it, and charts of height and rotation over time of the
// shown flights.
#pragma once

#include "flight/flight_log.h"
#include "workbook/flight_sheet.h"

#include <string>
#include <vector>

namespace purzo {

struct LogWorkbookContent {
    std::vector<FlightSheet> sheets; // the groups, the log, then a sheet per flight
    std::string chartSheet;
    std::vector<ChartDesign> charts;
};

// `date` as the workbook shows it, e.g. "2026-12-09". The charts draw the shown flights, or the
// last eight when none is shown.
LogWorkbookContent LogWorkbookFor(const FlightLog& log, WorkbookLanguage language,
                                  const std::string& date);

} // namespace purzo
