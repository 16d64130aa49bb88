// SPDX-License-Identifier: MIT
// Merging by what a flight is, not by its number.
#include "flight/log_merge.h"

#include <algorithm>

namespace purzo {

bool SameFlight(const LoggedFlight& a, const LoggedFlight& b) {
    const FlightRecord &x = a.record, &y = b.record;
    return a.group == b.group && a.flownAt == b.flownAt && x.speedText == y.speedText &&
           x.angleText == y.angleText && x.model == y.model && x.pace == y.pace &&
           x.athlete == y.athlete && x.postures() == y.postures();
}

MergePlan PlanMerge(const FlightLog& lesson, const FlightLog& other) {
    MergePlan plan;
    for (const LoggedFlight& f : other.flights()) {
        const auto same = [&f](const LoggedFlight& g) { return SameFlight(f, g); };
        if (std::any_of(lesson.flights().begin(), lesson.flights().end(), same) ||
            std::any_of(plan.toAdd.begin(), plan.toAdd.end(), same)) {
            ++plan.alreadyThere;
            continue;
        }
        plan.toAdd.push_back(f);
        plan.toAdd.back().shown = false;
    }
    return plan;
}

MergeReport MergeLogInto(FlightLog& lesson, const FlightLog& other) {
    MergePlan plan = PlanMerge(lesson, other);
    for (LoggedFlight& f : plan.toAdd) {
        lesson.append(std::move(f));
    }
    return {int(plan.toAdd.size()), plan.alreadyThere};
}

} // namespace purzo
