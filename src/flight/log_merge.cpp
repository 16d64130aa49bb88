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

MergeReport MergeLogInto(FlightLog& lesson, const FlightLog& other) {
    MergeReport report;
    for (const LoggedFlight& f : other.flights()) {
        const auto& have = lesson.flights();
        if (std::any_of(have.begin(), have.end(),
                        [&f](const LoggedFlight& g) { return SameFlight(f, g); })) {
            ++report.alreadyThere;
            continue;
        }
        LoggedFlight added = f;
        added.shown = false;
        lesson.append(std::move(added));
        ++report.added;
    }
    return report;
}

} // namespace purzo
