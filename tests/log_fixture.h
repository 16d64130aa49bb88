// SPDX-License-Identifier: MIT
// Flights to log: flown by the model from take-off texts and postures.
#pragma once

#include "flight/flight_log.h"
#include "flight/takeoff_check.h"
#include "flight/whole_flight.h"

#include <optional>
#include <string>
#include <vector>

namespace purzo::test {

inline FlightRecord Flown(const std::string& speed, const std::string& angle, Model model,
                          const std::vector<int>& postures,
                          std::optional<Pace> pace = Pace::SlowMotion,
                          const Athlete& athlete = kStandardAthlete) {
    const TakeoffCheck check = CheckTakeoff(speed, angle);
    FlightRecord r{speed,   angle, ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle),
                   model,   {},    pace,
                   athlete, {},    {},
                   {}};
    r.frames = RunWholeFlight(r.params, postures, model, athlete);
    return r;
}

inline FlightLog ThreeFlights() {
    FlightLog log;
    log.group = "Klasse 7b\t\\ Gruppe 2\n";
    log.add(Flown("6", "60", Model::Classic, {1}), "Anna", "2026-12-09 10:15");
    // Another athlete, without spin: her flight comes back only with her values.
    log.add(Flown("7,5", " 45,5 ", Model::Exact, {1, 1, 7, 7, 3}, std::nullopt, {52.5, 1.6, 0}), "",
            "");
    log.add(Flown("9", "60", Model::Exact, {1, 2, 5, 6, 7}), "Ben\\Cem", "2026-12-09 10:17");
    log.setShown(1, true);
    log.setShown(3, true);
    return log;
}

} // namespace purzo::test
