// SPDX-License-Identifier: MIT
// The log's cells from the flight's summary.
#include "flight/log_cells.h"

#include "body/body_part.h"

#include <array>

namespace purzo {

std::span<const Quantity> LogQuantities() {
    static constexpr std::array kColumns{
        Quantity::Number,       Quantity::Model,      Quantity::Speed,    Quantity::Angle,
        Quantity::BodyMass,     Quantity::BodyHeight, Quantity::Spin,     Quantity::LimbSpeed,
        Quantity::Pace,         Quantity::TuckStart,  Quantity::Tucked,   Quantity::FlightTime,
        Quantity::Distance,     Quantity::MaxHeight,  Quantity::Rotation, Quantity::Turns,
        Quantity::FirstContact, Quantity::Attitude,   Quantity::Verdict};
    return kColumns;
}

std::span<const Quantity> ComparisonQuantities() {
    static constexpr std::array kRows{Quantity::Speed,  Quantity::Angle,    Quantity::TuckStart,
                                      Quantity::Tucked, Quantity::Rotation, Quantity::Attitude,
                                      Quantity::Verdict};
    return kRows;
}

LogCell LogCellOf(const LoggedFlight& f, Quantity q, TextLanguage language) {
    const FlightSummary& s = f.summary;
    const std::optional<Landing>& landing = s.landing;
    switch (q) {
    case Quantity::Number:
        return {double(f.number), {}};
    case Quantity::Model:
        return {{}, ModelText(s.model, language)};
    case Quantity::Speed:
        return {s.speedMPerS, {}};
    case Quantity::Angle:
        return {s.angleDeg, {}};
    // Empty for the standard athlete, whom every flight of the classic model is.
    case Quantity::BodyMass:
        return f.record.otherAthlete() ? LogCell{f.record.athlete.massKg, {}} : LogCell{};
    case Quantity::BodyHeight:
        return f.record.otherAthlete() ? LogCell{f.record.athlete.bodyHeightM, {}} : LogCell{};
    case Quantity::Spin:
        return f.record.otherAthlete() ? LogCell{f.record.athlete.spinDegPerS, {}} : LogCell{};
    case Quantity::LimbSpeed:
        return f.record.otherAthlete() ? LogCell{f.record.athlete.limbSpeedRadPerS, {}} : LogCell{};
    case Quantity::Pace:
        return {{}, f.record.pace ? PaceText(*f.record.pace, language) : ""};
    case Quantity::TuckStart:
        return {s.tuck.startS, {}};
    case Quantity::Tucked:
        return {s.tuck.tuckedS, {}};
    case Quantity::FlightTime:
        return {s.flightTimeS, {}};
    case Quantity::Distance:
        return {s.distanceM, {}};
    case Quantity::MaxHeight:
        return {s.maxHeightM, {}};
    case Quantity::Rotation:
        return {s.rotationDeg, {}};
    case Quantity::Turns:
        return {s.turns, {}};
    case Quantity::FirstContact:
        if (!landing) {
            return {};
        }
        return {{},
                language == TextLanguage::English ? BodyPartEnglish(landing->firstContact)
                                                  : BodyPartSource(landing->firstContact)};
    case Quantity::Attitude:
        return landing ? LogCell{landing->attitudeDeg, {}} : LogCell{};
    case Quantity::Verdict:
        return landing ? LogCell{{}, VerdictName(landing->verdict, language)} : LogCell{};
    default:
        return {};
    }
}

LogCell ComparisonCellOf(const LoggedFlight& flight, Quantity quantity, TextLanguage language) {
    const std::optional<Landing>& landing = flight.summary.landing;
    if (quantity != Quantity::Verdict || !landing) {
        return LogCellOf(flight, quantity, language);
    }
    const bool english = language == TextLanguage::English;
    switch (landing->verdict) {
    case Verdict::Upright:
        return {{}, english ? "upright" : "aufrecht"};
    case Verdict::TooFar:
        return {{}, english ? "too far" : "zu weit"};
    case Verdict::TooShort:
        return {{}, english ? "too short" : "zu kurz"};
    case Verdict::NotOnFeet:
        break;
    }
    const std::string part = LogCellOf(flight, Quantity::FirstContact, language).text;
    return {{}, english ? part + " first" : "zuerst " + part};
}

} // namespace purzo
