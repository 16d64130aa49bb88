// SPDX-License-Identifier: MIT
// Tab-separated lines with the texts escaped and a checksum at the end of each, closed by a line
// that counts the flights and gives the last number handed out, so that a file cut short is told
// from a whole one and a deleted flight's number is not handed out again.
#include "flight/log_file.h"

#include "flight/log_line.h"
#include "flight/number_text.h"
#include "flight/takeoff_check.h"
#include "flight/video_source.h"
#include "flight/whole_flight.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace purzo {
namespace {

constexpr std::string_view kHeaderStem = "Purzosimulation flight log ";
constexpr std::string_view kFormat1Header = "Purzosimulation flight log 1";
constexpr std::string_view kFormat2Header = "Purzosimulation flight log 2";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr int kMostLoggedFrames = 100000;
// Flight numbers and counts: far beyond any lesson, and well inside an int.
constexpr int kMostNumber = INT_MAX / 2;

// An athlete's value as written, inside its range.
std::optional<double> AthleteValue(std::string_view text, const AthleteRange& range) {
    const std::optional<double> value = ReadPlainDecimal(text);
    return value && range.holds(*value) ? value : std::nullopt;
}

// Fields of a planned flight: the plan's start, length and depth, the predicted verdict and
// rotation, and the plan's own posture list; "-" in each where the flight was flown by hand, in
// the verdict and rotation where nothing was predicted, in the start, length and depth where the
// plan is a list, in the list where it is not.
constexpr std::size_t kPlanFields = 6;

struct PlanFields {
    std::optional<TuckPlan> plan;
    std::optional<Prediction> prediction;
};

// The plan in the fields from `at`, when they hold one or say there is none.
std::optional<PlanFields> PlanOf(const std::vector<std::string_view>& f, std::size_t at) {
    PlanFields read;
    const auto none = [&f, at](std::size_t from, std::size_t to) {
        return std::all_of(f.begin() + std::ptrdiff_t(at + from),
                           f.begin() + std::ptrdiff_t(at + to),
                           [](std::string_view field) { return field == "-"; });
    };
    if (none(0, kPlanFields)) {
        return read;
    }
    if (f[at + 5] != "-") {
        const auto list = ReadPostureList(f[at + 5]);
        if (!list || !none(0, 3) || f[at + 5].find(' ') != std::string_view::npos) {
            return std::nullopt;
        }
        read.plan = TuckPlan{0, 0, 0, *list};
    } else {
        const auto start = WholeNumber(f[at], kFirstPlanStartFrame, kMostLoggedFrames);
        const auto frames = WholeNumber(f[at + 1], 1, kMostLoggedFrames);
        const auto depth = WholeNumber(f[at + 2], kFirstPlanDepth, kLastPosture);
        if (!start || !frames || !depth) {
            return std::nullopt;
        }
        read.plan = TuckPlan{*start, *frames, *depth, {}};
    }
    if (f[at + 3] != "-" || f[at + 4] != "-") {
        const auto verdict = VerdictFromCode(f[at + 3]);
        const auto rotation = ReadPlainDecimal(f[at + 4]);
        if (!verdict || !rotation || *rotation > kMostPredictedRotationDeg) {
            return std::nullopt;
        }
        read.prediction = Prediction{*verdict, *rotation};
    }
    return read;
}

// A flight line's fields after "flight": number, model, pace, shown, speed, angle, postures,
// frames, group, flown at; since format 4 the plan's fields; then, for an exact flight with
// another than the standard athlete, her mass, height, spin and limb speed (the limb speed
// missing in logs written before the limbs had one: the standard); last, for a flight from a
// video, "video" and the film's name and fit.
std::optional<LoggedFlight> FlightOf(const std::vector<std::string_view>& f, bool withPlan) {
    const std::size_t base = withPlan ? 11 + kPlanFields : 11;
    std::size_t end = f.size();
    std::optional<VideoSource> video;
    if (withPlan && end >= base + 1 + kVideoSourceFields &&
        f[end - 1 - kVideoSourceFields] == "video") {
        video = ReadVideoSource(f, end - kVideoSourceFields);
        if (!video) {
            return std::nullopt;
        }
        end -= 1 + kVideoSourceFields;
    }
    if (end != base && end != base + 3 && end != base + 4) {
        return std::nullopt;
    }
    const std::optional<PlanFields> planned = withPlan ? PlanOf(f, 11) : PlanFields{};
    if (!planned) {
        return std::nullopt;
    }
    Athlete athlete;
    for (std::size_t i = base; i < end; ++i) {
        const int which = int(i - base);
        const auto value = AthleteValue(f[i], AthleteRangeOf(which));
        if (!value) {
            return std::nullopt;
        }
        AthleteValueOf(athlete, which) = *value;
    }
    const auto number = WholeNumber(f[1], 1, kMostNumber);
    const auto model = ParseModel(f[2]);
    const auto pace = f[3] == "-" ? std::optional<int>(-1) : WholeNumber(f[3], 0, 2);
    const auto shown = WholeNumber(f[4], 0, 1);
    const auto speed = Unescaped(f[5]), angle = Unescaped(f[6]);
    const auto frames = WholeNumber(f[8], 1, kMostLoggedFrames);
    const auto group = Unescaped(f[9]), flownAt = Unescaped(f[10]);
    if (!number || !model || !pace || !shown || !speed || !angle || !frames || !group || !flownAt) {
        return std::nullopt;
    }
    if ((end > base || video) && *model == Model::Classic) {
        return std::nullopt; // the classic model flies no athlete: not a line this program wrote
    }
    const std::vector<std::string_view> postureTexts = SplitAt(f[7], ',');
    if (int(postureTexts.size()) != *frames) {
        return std::nullopt;
    }
    std::vector<int> postures;
    for (const std::string_view p : postureTexts) {
        const auto posture = WholeNumber(p, kFirstPosture, kLastPosture);
        if (!posture) {
            return std::nullopt;
        }
        postures.push_back(*posture);
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
    // Flown again: the classic model gives the same frames for the same postures, and the same
    // count shows that the file belongs to it. The exact model flies the chosen postures in
    // today's body, whose limbs may reach them later than an older version's did: its flight
    // may land a frame earlier or later than the file says.
    record.frames = RunWholeFlight(record.params, postures, record.model, record.athlete);
    if (record.model == Model::Classic && record.postures() != postures) {
        return std::nullopt;
    }
    // A plan chose every posture the flight read: one that did not is not this flight's.
    if (planned->plan) {
        const std::vector<int> chosen = PlanPostures(*planned->plan);
        for (std::size_t i = 0; i < postures.size(); ++i) {
            if (postures[i] != PostureForFrame(chosen, int(i) + 1)) {
                return std::nullopt;
            }
        }
    }
    record.plan = planned->plan;
    record.prediction = planned->prediction;
    record.video = video;
    flight.summary = SummaryOf(record.params, record.model, record.frames);
    return flight;
}

// Fields joined by tabs, appended piece by piece: GCC 12 at -O3 misreads '"…" + string&&' as an
// overlapping copy.
std::string Joined(std::initializer_list<std::string_view> fields) {
    std::string line;
    for (const std::string_view field : fields) {
        if (!line.empty()) {
            line += '\t';
        }
        line.append(field);
    }
    return line;
}

std::string FlightLine(const LoggedFlight& f) {
    const FlightRecord& r = f.record;
    std::string postures;
    for (const int p : r.postures()) {
        if (!postures.empty()) {
            postures += ',';
        }
        postures += std::to_string(p);
    }
    std::string line =
        Joined({"flight", std::to_string(f.number), ModelName(r.model),
                r.pace ? std::to_string(int(*r.pace)) : "-", f.shown ? "1" : "0",
                Escaped(r.speedText), Escaped(r.angleText), postures,
                std::to_string(r.frames.size()), Escaped(f.group), Escaped(f.flownAt)});
    const std::optional<Prediction>& p = r.prediction;
    const bool tuck = r.plan && r.plan->postures.empty();
    std::string list;
    for (const int posture : r.plan ? r.plan->postures : std::vector<int>{}) {
        if (!list.empty()) {
            list += ',';
        }
        list += std::to_string(posture);
    }
    for (const std::string& field :
         {tuck ? std::to_string(r.plan->startFrame) : "-",
          tuck ? std::to_string(r.plan->frames) : "-", tuck ? std::to_string(r.plan->depth) : "-",
          r.plan && p ? std::string(VerdictCode(p->verdict)) : "-",
          r.plan && p ? PlainDecimalText(p->rotationDeg) : "-", list.empty() ? "-" : list}) {
        line += '\t';
        line += field;
    }
    if (r.otherAthlete()) {
        for (int which = 0; which < kAthleteValueCount; ++which) {
            line += '\t';
            line += PlainDecimalText(AthleteValueOf(r.athlete, which));
        }
    }
    if (r.video) {
        line += "\tvideo\t";
        line += VideoSourceFields(*r.video);
    }
    return line;
}

// A number in tenths, "-12.3", the same in every locale.
std::string TenthsText(double value) {
    const long long tenths = std::llround(value * 10);
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    text += '.';
    text += std::to_string(magnitude % 10);
    return text;
}

// What the flight came to, for a reader of the file: its verdict, rotation and attitude. Read
// back only to tell how many of them differ from the flight flown again.
std::string ResultLine(const LoggedFlight& f) {
    const std::optional<Landing>& landing = f.summary.landing;
    return Joined({"result", std::to_string(f.number),
                   landing ? VerdictCode(landing->verdict) : std::string_view("-"),
                   TenthsText(f.summary.rotationDeg),
                   landing ? TenthsText(landing->attitudeDeg) : "-"});
}

// The file's lines, without a byte-order mark and carriage returns before the line feeds.
std::vector<std::string_view> LinesOf(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::string_view> lines = SplitAt(text, '\n');
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    for (std::string_view& line : lines) {
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
    }
    return lines;
}

} // namespace

std::string LogFileText(const FlightLog& log) {
    std::string out(kLogFileHeader);
    out += '\n';
    out += WithChecksum(Joined({"group", Escaped(log.group)})) + "\n";
    out += WithChecksum(Joined({"lesson", Escaped(log.title), Escaped(log.date)})) + "\n";
    for (const LoggedFlight& f : log.flights()) {
        out += WithChecksum(FlightLine(f)) + "\n";
        out += WithChecksum(ResultLine(f)) + "\n";
    }
    out += WithChecksum(Joined(
               {"end", std::to_string(log.flights().size()), std::to_string(log.lastNumber())})) +
           "\n";
    return out;
}

LogFileReading ReadLogFile(std::string_view text) {
    LogFileReading reading;
    if (text.size() > kMostLogFileBytes) {
        reading.problem = LogFileProblem::TooLarge;
        return reading;
    }
    const std::vector<std::string_view> lines = LinesOf(text);
    if (lines.empty() || !lines.front().starts_with(kHeaderStem)) {
        reading.problem = LogFileProblem::NotALog;
        return reading;
    }
    reading.olderFormat = lines.front() == kFormat1Header;
    const bool withPlans = lines.front() == kLogFileHeader;
    if (lines.front() != kLogFileHeader && lines.front() != kFormat2Header &&
        !reading.olderFormat) {
        reading.problem = LogFileProblem::NewerVersion;
        return reading;
    }
    FlightLog log;
    std::optional<int> counted;
    int lastNumber = 0;
    auto damaged = [&reading](std::size_t index) {
        if (reading.damagedLines++ == 0) {
            reading.firstDamagedLine = int(index) + 1;
        }
    };
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::optional<std::string_view> line =
            reading.olderFormat ? std::optional(lines[i]) : CheckedLine(lines[i]);
        const std::vector<std::string_view> fields =
            line ? SplitAt(*line, '\t') : std::vector<std::string_view>{};
        const std::string_view kind = fields.empty() ? std::string_view() : fields.front();
        if (kind == "group" && fields.size() == 2 && i == 1) {
            const auto group = Unescaped(fields[1]);
            if (!group) {
                damaged(i);
                continue;
            }
            log.group = *group;
        } else if (kind == "lesson" && fields.size() == 3 && !reading.olderFormat) {
            const auto title = Unescaped(fields[1]), date = Unescaped(fields[2]);
            if (!title || !date) {
                damaged(i);
                continue;
            }
            log.title = *title;
            log.date = *date;
        } else if (kind == "result" && fields.size() == 5 && !counted) {
            const auto number = WholeNumber(fields[1], 1, kMostNumber);
            const LoggedFlight* flight = number ? log.find(*number) : nullptr;
            if (flight && ResultLine(*flight) != *line) {
                ++reading.differingResults;
            }
        } else if (kind == "flight" && !counted) {
            auto flight = FlightOf(fields, withPlans);
            if (!flight || log.find(flight->number)) {
                damaged(i);
                continue;
            }
            log.restore(std::move(*flight));
        } else if (kind == "end" && !counted && i + 1 == lines.size() &&
                   fields.size() == (reading.olderFormat ? 2u : 3u)) {
            counted = WholeNumber(fields[1], 0, kMostNumber);
            if (!reading.olderFormat) {
                lastNumber = WholeNumber(fields[2], 0, kMostNumber).value_or(0);
            }
            if (!counted) {
                damaged(i);
            }
        } else {
            damaged(i);
        }
    }
    // A file cut short, or flights missing without a trace: one damage more, at the end.
    const int flights = int(log.flights().size()) + reading.damagedLines;
    if (!counted || *counted > flights) {
        damaged(lines.size());
    }
    log.setLastNumber(lastNumber);
    reading.problem = reading.damagedLines > 0 ? LogFileProblem::Damaged : LogFileProblem::None;
    reading.log = std::move(log);
    return reading;
}

} // namespace purzo
