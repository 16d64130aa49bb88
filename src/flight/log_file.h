// SPDX-License-Identifier: MIT
// The lesson's log as a text file: a line per flight with what it takes to fly it again (its
// take-off texts, model, pace and the posture of every frame), read back by flying each again.
#pragma once

#include "flight/flight_log.h"

#include <optional>
#include <string>
#include <string_view>

namespace purzo {

// The first line of a log file; a later format counts up the number at its end.
inline constexpr std::string_view kLogFileHeader = "Purzosimulation flight log 1";

std::string LogFileText(const FlightLog& log);

// The log that `text` holds, or nothing with the reason in `error`: another program's file, a
// newer format, a file cut short or changed by hand.
std::optional<FlightLog> ReadLogFile(std::string_view text, std::string& error);

} // namespace purzo
