// SPDX-License-Identifier: MIT
// The lesson's groups as the log has them: each group's attempts and its best one, the flight a
// group would show the class.
#pragma once

#include "flight/flight_log.h"

#include <string>
#include <vector>

namespace purzo {

struct GroupAttempts {
    std::string group; // empty: the teacher's flights
    int attempts = 0;
    int best = 0; // the best attempt's number; 0 where none landed upright
};

// Every group in the order it first flew. The best attempt landed upright with the smallest
// distance from upright, the later one on a tie.
std::vector<GroupAttempts> GroupsOf(const FlightLog& log);

// Whether flight `number` is its group's best attempt.
bool IsBestAttempt(const FlightLog& log, int number);

// The groups' names in the order they first flew, the teacher's left out: what the next flight
// can be chosen from.
std::vector<std::string> GroupNames(const FlightLog& log);

} // namespace purzo
