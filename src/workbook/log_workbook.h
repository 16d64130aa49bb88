// SPDX-License-Identifier: MIT
// The lesson's log as an .xlsx: the log, a sheet per flight and the charts of the shown flights.
#pragma once

#include "flight/flight_log.h"
#include "flight/whole_file.h"
#include "workbook/flight_sheet.h"

#include <optional>
#include <string>

namespace purzo {

// Written through a temporary file and a rename; the reason when that fails.
std::optional<FileFailure> WriteLogWorkbook(const std::string& path, const FlightLog& log,
                                            WorkbookLanguage language, const std::string& date);

} // namespace purzo
