// SPDX-License-Identifier: MIT
// A flight as a spreadsheet: the take-off and the frames in metres, seconds and degrees on one
// sheet, native charts of height and rotation over time on a second. Plain C++ on the flight
// layer, kept out of the model library so that the model builds without libxlsxwriter.
#pragma once

#include "flight/whole_file.h"
#include "workbook/flight_sheet.h"

#include <optional>
#include <string>

namespace purzo {

// Writes the .xlsx through a temporary file in the same folder and a rename, so that a file
// already at `path` is replaced whole or not at all. Returns the reason when that fails.
std::optional<FileFailure> WriteFlightWorkbook(const std::string& path, const FlightRecord& record,
                                               WorkbookLanguage language);

} // namespace purzo
