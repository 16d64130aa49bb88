// SPDX-License-Identifier: MIT
// Tab-separated lines with the texts escaped, ending in a line that counts the flights, so that a
// file cut short is told from a whole one.
#include "flight/log_file.h"

#include "flight/number_text.h"
#include "flight/takeoff_check.h"
#include "flight/whole_flight.h"

#include <charconv>
#include <vector>

namespace purzo {
namespace {

constexpr std::string_view kHeaderStem = "Purzosimulation flight log ";

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> Split(std::string_view line, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = line.find(separator, start);
        parts.push_back(line.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos) {
            return parts;
        }
        start = at + 1;
    }
}

std::optional<int> Whole(std::string_view text, int lo, int hi) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < lo ||
        value > hi) {
        return std::nullopt;
    }
    return value;
}

constexpr int kMostFrames = 100000;

// An athlete's value as written, inside its range.
std::optional<double> AthleteValue(std::string_view text, const AthleteRange& range) {
    const std::optional<double> value = ReadPlainDecimal(text);
    return value && range.holds(*value) ? value : std::nullopt;
}

// A flight line's fields after "flight": number, model, pace, shown, speed, angle, postures,
// frames, group, flown at; then, for an exact flight with another than the standard athlete,
// her mass, height and spin.
std::optional<LoggedFlight> FlightOf(const std::vector<std::string_view>& f) {
    if (f.size() != 11 && f.size() != 14) {
        return std::nullopt;
    }
    Athlete athlete;
    if (f.size() == 14) {
        const auto mass = AthleteValue(f[11], kMassRangeKg);
        const auto height = AthleteValue(f[12], kHeightRangeM);
        const auto spin = AthleteValue(f[13], kSpinRangeDegPerS);
        if (!mass || !height || !spin) {
            return std::nullopt;
        }
        athlete = {*mass, *height, *spin};
    }
    const auto number = Whole(f[1], 1, 1'000'000);
    const auto model = ParseModel(f[2]);
    const auto pace = f[3] == "-" ? std::optional<int>(-1) : Whole(f[3], 0, 2);
    const auto shown = Whole(f[4], 0, 1);
    const auto speed = Unescaped(f[5]), angle = Unescaped(f[6]);
    const auto frames = Whole(f[8], 1, kMostFrames);
    const auto group = Unescaped(f[9]), flownAt = Unescaped(f[10]);
    if (!number || !model || !pace || !shown || !speed || !angle || !frames || !group || !flownAt) {
        return std::nullopt;
    }
    std::vector<int> postures;
    for (const std::string_view p : Split(f[7], ',')) {
        const auto posture = Whole(p, kFirstPosture, kLastPosture);
        if (!posture) {
            return std::nullopt;
        }
        postures.push_back(*posture);
    }
    if (int(postures.size()) != *frames) {
        return std::nullopt;
    }
    LoggedFlight flight;
    flight.number = *number;
    flight.shown = *shown == 1;
    flight.group = *group;
    flight.flownAt = *flownAt;
    FlightRecord& record = flight.record;
    const TakeoffCheck check = CheckTakeoff(*speed, *angle);
    record.speedText = *speed;
    record.angleText = *angle;
    record.params = ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle);
    record.model = *model;
    record.athlete = athlete;
    if (*pace >= 0) {
        record.pace = Pace(*pace);
    }
    // Flown again: the model gives the same frames for the same postures, and the same count
    // shows that the file belongs to this model.
    record.frames = RunWholeFlight(record.params, postures, record.model, record.athlete);
    if (record.postures() != postures) {
        return std::nullopt;
    }
    flight.summary = SummaryOf(record.params, record.model, record.frames);
    return flight;
}

} // namespace

std::string LogFileText(const FlightLog& log) {
    std::string out(kLogFileHeader);
    out += "\ngroup\t" + Escaped(log.group) + "\n";
    for (const LoggedFlight& f : log.flights()) {
        const FlightRecord& r = f.record;
        std::string postures;
        for (const int p : r.postures()) {
            if (!postures.empty()) {
                postures += ',';
            }
            postures += std::to_string(p); // not "," + string: GCC 12 -O3 warns falsely
        }
        out += "flight\t" + std::to_string(f.number) + "\t" + std::string(ModelName(r.model)) +
               "\t" + (r.pace ? std::to_string(int(*r.pace)) : "-") + "\t" + (f.shown ? "1" : "0") +
               "\t" + Escaped(r.speedText) + "\t" + Escaped(r.angleText) + "\t" + postures + "\t" +
               std::to_string(r.frames.size()) + "\t" + Escaped(f.group) + "\t" +
               Escaped(f.flownAt);
        if (r.otherAthlete()) {
            out += "\t" + ShortestDoubleText(r.athlete.massKg) + "\t" +
                   ShortestDoubleText(r.athlete.heightM) + "\t" +
                   ShortestDoubleText(r.athlete.spinDegPerS);
        }
        out += "\n";
    }
    out += "end\t" + std::to_string(log.flights().size()) + "\n";
    return out;
}

std::optional<FlightLog> ReadLogFile(std::string_view text, std::string& error) {
    std::vector<std::string_view> lines = Split(text, '\n');
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    if (lines.empty() || !lines.front().starts_with(kHeaderStem)) {
        error = "not a flight log of this program";
        return std::nullopt;
    }
    if (lines.front() != kLogFileHeader) {
        error = "a flight log of a newer version";
        return std::nullopt;
    }
    FlightLog log;
    std::size_t flights = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> fields = Split(lines[i], '\t');
        const std::string where = "line " + std::to_string(i + 1);
        if (fields.front() == "group" && fields.size() == 2 && i == 1) {
            const auto group = Unescaped(fields[1]);
            if (!group) {
                error = where + ": a damaged name";
                return std::nullopt;
            }
            log.group = *group;
        } else if (fields.front() == "flight") {
            auto flight = FlightOf(fields);
            if (!flight || log.find(flight->number)) {
                error = where + ": a damaged flight";
                return std::nullopt;
            }
            log.restore(std::move(*flight));
            ++flights;
        } else if (fields.front() == "end" && fields.size() == 2 && i + 1 == lines.size()) {
            if (Whole(fields[1], 0, 1'000'000) != int(flights)) {
                error = where + ": the count of flights does not match";
                return std::nullopt;
            }
            return log;
        } else {
            error = where + ": not understood";
            return std::nullopt;
        }
    }
    error = "cut short";
    return std::nullopt;
}

} // namespace purzo
