// SPDX-License-Identifier: MIT
// The changes made to the lesson's log since it was last written, kept so that they can be made
// again on whatever the file holds when it is written: another window or tab may have logged
// flights meanwhile, and a write that failed (a full disk) is made again by the next one.
#pragma once

#include "flight/flight_log.h"

#include <string>
#include <vector>

namespace purzo {

struct LogChange {
    enum class Kind { Add, Show, Hide, Remove, Clear, Group, Lesson };
    Kind kind = Kind::Add;
    int number = 0;      // the flight's number in the log the change was made on
    LoggedFlight flight; // Add: the flight, summarised
    std::string group;   // Group: the name the next flights are logged with
    std::string title;   // Lesson: its title and date
    std::string date;
};

class LogChanges {
public:
    // Makes `change` on `log` and keeps it; an Add gets its number there. False where it changes
    // nothing (a flight not there, a ninth shown); such a change is not kept.
    bool make(FlightLog& log, LogChange change);

    // `base` with every kept change made on it in order. A flight added gets the next number of
    // `base`, and a later change to it follows it to that number; a change to a flight that is
    // no longer there is dropped.
    FlightLog madeOn(FlightLog base) const;

    bool empty() const { return changes_.empty(); }
    // The changes are in the file now.
    void clear() { changes_.clear(); }

private:
    std::vector<LogChange> changes_;
};

} // namespace purzo
