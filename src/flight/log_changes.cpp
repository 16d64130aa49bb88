// SPDX-License-Identifier: MIT
// Each change is made the same way on the log in memory and, later, on the file's.
#include "flight/log_changes.h"

#include <map>

namespace purzo {
namespace {

// Makes `c` on `log` with its flight number read through `renumbered`; the number an Add got.
int Make(FlightLog& log, const LogChange& c, const std::map<int, int>& renumbered, bool& changed) {
    const auto it = renumbered.find(c.number);
    const int number = it == renumbered.end() ? c.number : it->second;
    switch (c.kind) {
    case LogChange::Kind::Add:
        changed = true;
        return log.append(c.flight);
    case LogChange::Kind::Show:
    case LogChange::Kind::Hide: {
        const LoggedFlight* flight = log.find(number);
        const bool shown = c.kind == LogChange::Kind::Show;
        changed = flight && flight->shown != shown && log.setShown(number, shown);
        return 0;
    }
    case LogChange::Kind::Remove:
        changed = log.remove(number);
        return 0;
    case LogChange::Kind::Clear:
        changed = true;
        log.clear();
        return 0;
    case LogChange::Kind::Group:
        changed = log.group != c.group;
        log.group = c.group;
        return 0;
    case LogChange::Kind::Lesson:
        changed = log.title != c.title || log.date != c.date;
        log.title = c.title;
        log.date = c.date;
        return 0;
    }
    return 0;
}

} // namespace

bool LogChanges::make(FlightLog& log, LogChange change) {
    bool changed = false;
    const int added = Make(log, change, {}, changed);
    if (!changed) {
        return false;
    }
    if (change.kind == LogChange::Kind::Add) {
        change.number = added;
    }
    changes_.push_back(std::move(change));
    return true;
}

FlightLog LogChanges::madeOn(FlightLog base) const {
    std::map<int, int> renumbered;
    for (const LogChange& c : changes_) {
        bool changed = false;
        const int added = Make(base, c, renumbered, changed);
        if (c.kind == LogChange::Kind::Add) {
            renumbered[c.number] = added;
        }
    }
    return base;
}

} // namespace purzo
