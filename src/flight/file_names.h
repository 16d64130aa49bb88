// SPDX-License-Identifier: MIT
// The names the save dialogs and downloads suggest, the same in the window and on the page:
// flug-03-6ms-60grad-exakt-7b.xlsx for flight 3 of group "7b", flugprotokoll-7b-2026-12-09.xlsx
// for the log.
#pragma once

#include "flight/model.h"

#include <string>
#include <string_view>

namespace purzo {

struct FlightNaming {
    int number = 0; // the flight's number in the log; 0 leaves it out
    std::string speedText;
    std::string angleText;
    Model model = Model::Classic;
    std::string group; // the name or group; empty leaves it out
};

std::string FlightFileName(const FlightNaming& flight, std::string_view extension);
// `date` as yyyy-mm-dd.
std::string LogFileName(std::string_view group, std::string_view date, std::string_view extension);

// A typed name made safe for any file system: what a file name cannot hold (/ \ : * ? " < > |,
// control characters) and blanks become '-', runs of them one, none at either end; at most 40
// bytes, never cutting a character apart.
std::string FileNamePart(std::string_view text);

} // namespace purzo
