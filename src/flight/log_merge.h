// SPDX-License-Identifier: MIT
// Students' logs gathered into the teacher's lesson: every flight flown again from its take-off,
// athlete and postures (reading a log does that), none added twice.
#pragma once

#include "flight/flight_log.h"

#include <vector>

namespace purzo {

struct MergeReport {
    int added = 0;
    int alreadyThere = 0; // the same flight, by the same group at the same time
};

// The same flight: flown from the same take-off texts, model, pace, athlete and postures, by
// the same group at the same time. Its number does not count: every student's log starts at 1.
bool SameFlight(const LoggedFlight& a, const LoggedFlight& b);

// The flights of `other` that `lesson` does not have yet, each once however often `other` holds
// it, none of them shown; and how many were there already.
struct MergePlan {
    std::vector<LoggedFlight> toAdd;
    int alreadyThere = 0;
};
MergePlan PlanMerge(const FlightLog& lesson, const FlightLog& other);

// Adds the planned flights to `lesson`, each under the lesson's next number, with its group and
// time.
MergeReport MergeLogInto(FlightLog& lesson, const FlightLog& other);

} // namespace purzo
