// SPDX-License-Identifier: MIT
// The log's cells from the flight's summary.
#include "flight/log_cells.h"

#include "body/body_part.h"
#include "flight/number_text.h"

#include <array>
#include <cmath>

namespace purzo {
namespace {

// Whole degrees without decimals, others with one.
std::string DegreesText(double degrees, TextLanguage language) {
    const char point = language == TextLanguage::English ? '.' : ',';
    return FixedText(degrees, degrees == std::round(degrees) ? 0 : 1, point) + "°";
}

} // namespace

std::string PosturesText(const FlightRecord& record) {
    std::string text;
    for (const int p : record.postures()) {
        text += char('0' + p);
    }
    return text;
}

std::string PlanText(const TuckPlan& plan, TextLanguage language) {
    if (!plan.postures.empty()) {
        std::string list;
        for (const int p : plan.postures) {
            if (!list.empty()) {
                list += ',';
            }
            list += std::to_string(p);
        }
        return (language == TextLanguage::English ? "postures " : "Haltungen ") + list;
    }
    const std::string start = std::to_string(plan.startFrame);
    const std::string frames = std::to_string(plan.frames);
    const std::string depth = std::to_string(plan.depth);
    if (language == TextLanguage::English) {
        return "from frame " + start + ", " + frames + (plan.frames == 1 ? " frame" : " frames") +
               ", posture " + depth;
    }
    return "ab Bild " + start + ", " + frames + (plan.frames == 1 ? " Bild" : " Bilder") +
           ", Haltung " + depth;
}

std::string PredictionText(const Prediction& prediction, TextLanguage language) {
    return std::string(VerdictName(prediction.verdict, language)) + ", " +
           DegreesText(prediction.rotationDeg, language);
}

std::span<const Quantity> LogQuantities() {
    static constexpr std::array kColumns{
        Quantity::Number,   Quantity::Model,      Quantity::Speed,        Quantity::Angle,
        Quantity::BodyMass, Quantity::BodyHeight, Quantity::Spin,         Quantity::LimbSpeed,
        Quantity::Pace,     Quantity::TuckStart,  Quantity::Tucked,       Quantity::Postures,
        Quantity::Plan,     Quantity::FlightTime, Quantity::Distance,     Quantity::MaxHeight,
        Quantity::Rotation, Quantity::Turns,      Quantity::FirstContact, Quantity::Attitude,
        Quantity::Verdict,  Quantity::Prediction, Quantity::PredictionOff};
    return kColumns;
}

std::span<const Quantity> ComparisonQuantities() {
    static constexpr std::array kRows{Quantity::Speed,    Quantity::Angle,    Quantity::TuckStart,
                                      Quantity::Tucked,   Quantity::Postures, Quantity::Rotation,
                                      Quantity::Attitude, Quantity::Verdict,  Quantity::Prediction};
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
    case Quantity::Postures:
        return {{}, PosturesText(f.record)};
    case Quantity::Plan:
        // A video flight's postures are the film's: its plan is the film.
        if (f.record.video) {
            std::string film = "Video ";
            return {{}, film.append(f.record.video->fileName)};
        }
        return {{}, f.record.plan ? PlanText(*f.record.plan, language) : ""};
    case Quantity::Prediction:
        return {{}, f.record.prediction ? PredictionText(*f.record.prediction, language) : ""};
    case Quantity::PredictionOff:
        return f.record.prediction ? LogCell{s.rotationDeg - f.record.prediction->rotationDeg, {}}
                                   : LogCell{};
    default:
        return {};
    }
}

LogCell ComparisonCellOf(const LoggedFlight& flight, Quantity quantity, TextLanguage language) {
    // The prediction with how far the rotation was off, in one cell: the board has one row for it.
    if (quantity == Quantity::Prediction && flight.record.prediction) {
        const double off = flight.summary.rotationDeg - flight.record.prediction->rotationDeg;
        const char point = language == TextLanguage::English ? '.' : ',';
        return {{},
                PredictionText(*flight.record.prediction, language) + " (" + (off > 0 ? "+" : "") +
                    FixedText(off, 1, point) + "°)"};
    }
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
