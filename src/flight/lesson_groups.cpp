// SPDX-License-Identifier: MIT
// A group's best attempt: upright first, then the smallest |attitude|.
#include "flight/lesson_groups.h"

#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

bool Upright(const LoggedFlight& f) {
    return f.summary.landing && f.summary.landing->verdict == Verdict::Upright;
}

} // namespace

std::vector<GroupAttempts> GroupsOf(const FlightLog& log) {
    std::vector<GroupAttempts> groups;
    std::vector<const LoggedFlight*> best;
    for (const LoggedFlight& f : log.flights()) {
        auto it = std::find_if(groups.begin(), groups.end(),
                               [&f](const GroupAttempts& g) { return g.group == f.group; });
        if (it == groups.end()) {
            groups.push_back({f.group, 0, 0});
            best.push_back(nullptr);
            it = groups.end() - 1;
        }
        ++it->attempts;
        const LoggedFlight*& b = best[std::size_t(it - groups.begin())];
        // Flights come in the order flown: on a tie the later one wins.
        if (Upright(f) && (!b || std::abs(f.summary.landing->attitudeDeg) <=
                                     std::abs(b->summary.landing->attitudeDeg))) {
            b = &f;
            it->best = f.number;
        }
    }
    return groups;
}

bool IsBestAttempt(const FlightLog& log, int number) {
    const LoggedFlight* flight = log.find(number);
    if (!flight) {
        return false;
    }
    for (const GroupAttempts& g : GroupsOf(log)) {
        if (g.group == flight->group) {
            return g.best == number;
        }
    }
    return false;
}

std::vector<std::string> GroupNames(const FlightLog& log) {
    std::vector<std::string> names;
    for (const GroupAttempts& g : GroupsOf(log)) {
        if (!g.group.empty()) {
            names.push_back(g.group);
        }
    }
    return names;
}

} // namespace purzo
