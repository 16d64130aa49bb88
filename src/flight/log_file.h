// SPDX-License-Identifier: MIT
// The lesson's log as a text file: a line per flight with what it takes to fly it again (its
// take-off texts, model, pace and the posture of every frame), read back by flying each again.
// Every line carries its checksum; a damaged line is left out and counted, never loaded changed.
#pragma once

#include "flight/flight_log.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace purzo {

// The first line of a log file; a later format counts up the number at its end. Format 1, the
// same lines without checksums, and format 2, without tuck plans, are still read. 4, not 3: one
// flipped bit must not turn the header into an older format's, which would read on unwarned.
inline constexpr std::string_view kLogFileHeader = "Purzosimulation flight log 4";

// The largest log that is read: some 15,000 flights, years of lessons, read and flown again in
// about a second. A larger file is set aside unread rather than read whole into memory.
inline constexpr std::size_t kMostLogFileBytes = 2 * 1024 * 1024;

enum class LogFileProblem {
    None,
    NotALog,      // another program's file, or empty
    NewerVersion, // written by a newer version of the program: left as it is
    TooLarge,     // over kMostLogFileBytes
    Damaged,      // some lines damaged or missing: the others are read
};

struct LogFileReading {
    // The flights of every whole line; nothing where the file as a whole is not a log to read.
    std::optional<FlightLog> log;
    LogFileProblem problem = LogFileProblem::None;
    int damagedLines = 0;     // lines left out, a missing end counted as one
    int firstDamagedLine = 0; // 1 for the file's first line; 0 where none is damaged
    bool olderFormat = false; // written in format 1: the next save writes today's format
    // Flights whose verdict, rotation or attitude as the file gives them differ from the flight
    // flown again: the file was changed, and the program's own result stands.
    int differingResults = 0;
};

std::string LogFileText(const FlightLog& log);

// What `text` holds. A byte-order mark and carriage returns before the line feeds are read as
// the same log.
LogFileReading ReadLogFile(std::string_view text);

} // namespace purzo
