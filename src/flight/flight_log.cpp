// SPDX-License-Identifier: MIT
// The log's rows.
#include "flight/flight_log.h"

#include <algorithm>
#include <utility>

namespace purzo {

int FlightLog::add(FlightRecord record, std::string groupName, std::string flownAt) {
    LoggedFlight flight;
    flight.group = std::move(groupName);
    flight.flownAt = std::move(flownAt);
    flight.summary = SummaryOf(record.params, record.model, record.frames);
    flight.record = std::move(record);
    return append(std::move(flight));
}

int FlightLog::append(LoggedFlight flight) {
    flight.number = ++lastNumber_;
    flight.shown = flight.shown && shownCount() < kMostShown;
    flights_.push_back(std::move(flight));
    return lastNumber_;
}

void FlightLog::restore(LoggedFlight flight) {
    lastNumber_ = std::max(lastNumber_, flight.number);
    flight.shown = flight.shown && shownCount() < kMostShown;
    flights_.push_back(std::move(flight));
}

const LoggedFlight* FlightLog::find(int number) const {
    const auto it = std::find_if(flights_.begin(), flights_.end(),
                                 [number](const LoggedFlight& f) { return f.number == number; });
    return it == flights_.end() ? nullptr : &*it;
}

LoggedFlight* FlightLog::find(int number) {
    return const_cast<LoggedFlight*>(std::as_const(*this).find(number));
}

bool FlightLog::setShown(int number, bool shown) {
    const auto it = std::find_if(flights_.begin(), flights_.end(),
                                 [number](const LoggedFlight& f) { return f.number == number; });
    if (it == flights_.end() || (shown && !it->shown && shownCount() >= kMostShown)) {
        return false;
    }
    it->shown = shown;
    return true;
}

std::size_t FlightLog::shownCount() const {
    return std::size_t(std::count_if(flights_.begin(), flights_.end(),
                                     [](const LoggedFlight& f) { return f.shown; }));
}

bool FlightLog::remove(int number) {
    return std::erase_if(flights_, [number](const LoggedFlight& f) { return f.number == number; }) >
           0;
}

std::vector<int> FlightLog::numbersToDraw(bool withPrevious, bool flightRunning) const {
    std::vector<int> numbers;
    for (const LoggedFlight& f : flights_) {
        if (f.shown) {
            numbers.push_back(f.number);
        }
    }
    const std::size_t back = flightRunning ? 1 : 2;
    if (withPrevious && flights_.size() >= back && numbers.size() < kMostShown) {
        const int previous = flights_[flights_.size() - back].number;
        if (std::find(numbers.begin(), numbers.end(), previous) == numbers.end()) {
            numbers.push_back(previous);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

void FlightLog::clear() {
    flights_.clear();
    lastNumber_ = 0;
}

} // namespace purzo
