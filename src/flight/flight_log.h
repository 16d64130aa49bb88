// SPDX-License-Identifier: MIT
// The lesson's flights: every flight that landed gets a row, numbered 1, 2, 3, … in the order
// flown, with its record (enough to replay and redraw it), its summary, who flew it and whether
// it is shown beside the others.
#pragma once

#include "flight/flight_record.h"
#include "flight/flight_summary.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace purzo {

struct LoggedFlight {
    int number = 0;
    std::string group;   // the name or group typed when it flew; may be empty
    std::string flownAt; // local date and time, "2026-12-09 10:15"
    FlightRecord record;
    FlightSummary summary;
    bool shown = false;
};

class FlightLog {
public:
    // Flights drawn beside each other at most: one colour and marker each.
    static constexpr std::size_t kMostShown = 8;

    // Logs a flight and returns its number.
    int add(FlightRecord record, std::string group, std::string flownAt);
    // A flight already summarised (made again from a kept change) under the next number.
    int append(LoggedFlight flight);
    // A flight read back from a file, with the number it had.
    void restore(LoggedFlight flight);
    // The highest number handed out so far: numbers are never handed out twice, a deleted
    // flight's neither.
    int lastNumber() const { return lastNumber_; }
    void setLastNumber(int number) { lastNumber_ = std::max(lastNumber_, number); }

    const std::vector<LoggedFlight>& flights() const { return flights_; }
    const LoggedFlight* find(int number) const;
    LoggedFlight* find(int number);
    // Shows or hides a flight; false when it does not exist or eight are shown already.
    bool setShown(int number, bool shown);
    std::size_t shownCount() const;
    bool remove(int number);
    // The flights to draw beside the current one, by number in ascending order: those shown, and
    // with `withPrevious` the one before the last (the last itself while a flight runs).
    std::vector<int> numbersToDraw(bool withPrevious, bool flightRunning) const;
    // Empties the log; numbering starts again at 1.
    void clear();

    // The name or group the next flights are logged with; empty: the teacher's.
    std::string group;
    // The lesson's title and date (yyyy-mm-dd), as the hand-in names it; both may be empty.
    std::string title;
    std::string date;

private:
    std::vector<LoggedFlight> flights_;
    int lastNumber_ = 0;
};

} // namespace purzo
