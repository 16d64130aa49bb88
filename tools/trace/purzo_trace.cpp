// SPDX-License-Identifier: MIT
// purzo-trace: runs one flight through the model and prints every frame as CSV, or writes it as a
// spreadsheet with --xlsx; for lessons and for checking the model from outside the window.
#include "body/posture_table.h"
#include "flight/athlete_text.h"
#include "flight/csv_writer.h"
#include "flight/flight_summary.h"
#include "flight/landing_map.h"
#include "flight/model.h"
#include "flight/number_text.h"
#include "flight/takeoff_check.h"
#include "flight/tuck_plan.h"
#include "flight/whole_flight.h"
#include "trace_map.h"
#if PURZO_WITH_XLSX
#include "workbook/flight_workbook.h"
#endif

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kUsageError = 2;

constexpr const char* kUsage =
    "Usage: purzo-trace [--speed TEXT] [--angle TEXT] [--postures LIST] [--model NAME]\n"
    "                   [--mass KG] [--height M] [--spin DEG_PER_S]\n"
    "                   [--limb-speed RAD_PER_S]\n"
    "                   [--tuck START,LENGTH[,DEPTH]]\n"
    "                   [--summary | --xlsx FILE [--language de|en]]\n"
    "       purzo-trace --map speed-angle --tuck START,LENGTH[,DEPTH] [--model NAME] ...\n"
    "       purzo-trace --map tuck [--speed TEXT] [--angle TEXT] [--depth P] [--best] ...\n"
    "\n"
    "Runs one flight of Purzosimulation and prints one CSV row per frame, or a map of\n"
    "landings with one row per flight.\n"
    "\n"
    "  --speed TEXT     take-off speed as typed into the window, m/s (default \"6\")\n"
    "  --angle TEXT     take-off angle as typed into the window, degrees (default \"60\")\n"
    "  --postures LIST  comma-separated postures 1 to 7 for frames 1, 2, 3, ...;\n"
    "                   the last one holds for the rest of the flight (default \"1\")\n"
    "  --model NAME     classic (default): the program as designed, its turn a table of\n"
    "                   increments; exact: a rigid body taking off from the floor, turning\n"
    "                   with its angular momentum conserved and landing on the floor at\n"
    "                   the first touch of any part; a frame's posture is the one chosen,\n"
    "                   which the limbs move towards no faster than --limb-speed; adds the\n"
    "                   columns timeS, omegaDegPerS (the mean over the interval before the\n"
    "                   frame), inertiaKgM2, angularMomentumKgM2PerS (L), lowestPart,\n"
    "                   omegaNowDegPerS (at the frame's time: (L - H) / I),\n"
    "                   shapeMomentumKgM2PerS (H, the limbs' own angular momentum about\n"
    "                   the centre of mass), rotationalEnergyJ (about the centre of mass)\n"
    "                   and upperArmDeg, forearmDeg, thighDeg, shankDeg (the shape shown,\n"
    "                   in degrees as the posture table writes them)\n"
    "  --mass KG        the athlete's body mass, 20 to 150 (default 70); exact model only\n"
    "  --height M       her standing height, soles to crown, 1.00 to 2.20 (default 1.80);\n"
    "                   every length of the figure scales with it; exact model only\n"
    "  --spin DEG_PER_S the stretched body's angular velocity at take-off, 0 to 400\n"
    "                   (default 170); exact model only\n"
    "  --limb-speed RAD_PER_S\n"
    "                   the fastest her limbs turn towards a chosen posture, 4 to 30\n"
    "                   (default 12); exact model only\n"
    "  --tuck START,LENGTH[,DEPTH]\n"
    "                   a tuck plan instead of --postures: frame 1 stretched, frames START to\n"
    "                   START+LENGTH-1 in posture DEPTH (5, 6 or 7; default 7), every later\n"
    "                   frame stretched; START from 2 to the stretched flight's touchdown\n"
    "  --map speed-angle\n"
    "                   fly the --tuck plan from every take-off, 4 to 8 m/s in steps of\n"
    "                   0.1 and 30 to 80 degrees in steps of 1\n"
    "  --map tuck       fly every tuck plan from the take-off: each start frame from 2 to\n"
    "                   the stretched flight's touchdown, each length from 1 frame to the\n"
    "                   longest flight, in posture --depth (default 7)\n"
    "                   A map prints tuckStartFrame, tuckFrames and depth, then the columns\n"
    "                   of --summary, then stretchedAtTouchdown (1: every limb within 10\n"
    "                   degrees of posture 1 or 2 at touchdown, else 0)\n"
    "  --best           with --map tuck: print earliestStartS,latestStartS,shortestS,longestS\n"
    "                   of the plans that land upright and stretched (empty where none does)\n"
    "  --summary        print the flight as one row instead of its frames: model, take-off,\n"
    "                   tuck start and tucked time (s), flight time, distance, highest point\n"
    "                   of the centre of mass, rotation, turns, first contact, attitude at\n"
    "                   touchdown (degrees from upright, -180..180) and the verdict\n"
    "                   (upright, too-far, too-short or not-on-feet)\n"
    "  --xlsx FILE      write the flight as a spreadsheet (.xlsx) with its charts to FILE\n"
    "                   instead of printing the CSV\n"
    "  --language de|en the spreadsheet's language (default \"de\")\n"
    "  --version        print the version and exit\n"
    "  --help           show this text\n"
    "\n"
    "Values outside 4..8 m/s or 30..80 degrees are replaced by 5 and 50, as in the window;\n"
    "the warning goes to standard error.\n";

constexpr const char* kWarning = "Sie haben Werte außerhalb des angegebenen Bereiches eingetragen. "
                                 "Es wurden die Standardwerte v=5 und Winkel=50 eingetragen ";

struct Options {
    std::string speed = "6";
    std::string angle = "60";
    std::vector<int> postures{1};
    purzo::Model model = purzo::Model::Classic;
    purzo::Athlete athlete;
    bool athleteGiven = false;
    std::string xlsx;     // empty: print the CSV
    bool english = false; // the spreadsheet's language
    bool summary = false;
    std::optional<purzo::TuckPlan> tuck;
    bool postureList = false;
    std::optional<purzo::MapKind> map;
    std::optional<int> depth;
    bool best = false;
    bool help = false;
    bool version = false;
};

std::optional<std::vector<int>> ParsePostures(std::string_view list) {
    std::vector<int> postures;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string_view item = list.substr(
            start, comma == std::string_view::npos ? list.size() - start : comma - start);
        int value = 0;
        const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (item.empty() || ec != std::errc() || end != item.data() + item.size() ||
            value < purzo::kFirstPosture || value > purzo::kLastPosture) {
            return std::nullopt;
        }
        postures.push_back(value);
        if (comma == std::string_view::npos) {
            return postures;
        }
        start = comma + 1;
    }
}

std::string RangeText(const purzo::AthleteRange& range) {
    return purzo::ShortestDoubleText(range.least) + " to " + purzo::ShortestDoubleText(range.most);
}

// Returns an error message, or nothing when the arguments are fine.
std::optional<std::string> ParseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::optional<std::string_view> inlineValue;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            inlineValue = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--version") {
            options.version = true;
            continue;
        }
        if (arg == "--summary" && !inlineValue) {
            options.summary = true;
            continue;
        }
        if (arg == "--best" && !inlineValue) {
            options.best = true;
            continue;
        }
        if (arg != "--speed" && arg != "--angle" && arg != "--postures" && arg != "--model" &&
            arg != "--xlsx" && arg != "--language" && arg != "--mass" && arg != "--height" &&
            arg != "--spin" && arg != "--limb-speed" && arg != "--tuck" && arg != "--map" &&
            arg != "--depth") {
            return "unknown option '" + std::string(argv[i]) + "'";
        }
        std::string_view value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return "option '" + std::string(arg) + "' needs a value";
        }
        if (arg == "--mass" || arg == "--height" || arg == "--spin" || arg == "--limb-speed") {
            const int which = arg == "--mass" ? 0 : arg == "--height" ? 1 : arg == "--spin" ? 2 : 3;
            const purzo::AthleteRange& range = purzo::AthleteRangeOf(which);
            const auto number = purzo::ReadAthleteValue(value, range);
            if (!number) {
                return std::string(arg) + " takes a number from " + RangeText(range) + ", not '" +
                       std::string(value) + "'";
            }
            purzo::AthleteValueOf(options.athlete, which) = *number;
            options.athleteGiven = true;
        } else if (arg == "--tuck") {
            options.tuck = purzo::ParseTuckPlan(value);
            if (!options.tuck) {
                return "--tuck wants START,LENGTH or START,LENGTH,DEPTH in whole frames, got '" +
                       std::string(value) + "'";
            }
        } else if (arg == "--map") {
            if (value != "speed-angle" && value != "tuck") {
                return "--map takes speed-angle or tuck, not '" + std::string(value) + "'";
            }
            options.map = value == "tuck" ? purzo::MapKind::Tuck : purzo::MapKind::SpeedAngle;
        } else if (arg == "--depth") {
            const auto plan = purzo::ParseTuckPlan("2,1," + std::string(value));
            if (!plan || plan->depth < purzo::kFirstPlanDepth ||
                plan->depth > purzo::kLastPosture) {
                return "--depth takes posture 5, 6 or 7, not '" + std::string(value) + "'";
            }
            options.depth = plan->depth;
        } else if (arg == "--speed") {
            options.speed = value;
        } else if (arg == "--angle") {
            options.angle = value;
        } else if (arg == "--xlsx") {
#if !PURZO_WITH_XLSX
            return "this purzo-trace was built without spreadsheets (--xlsx)";
#endif
            if (value.empty()) {
                return "--xlsx wants a file name";
            }
            options.xlsx = value;
        } else if (arg == "--language") {
            if (value != "de" && value != "en") {
                return "--language takes de or en, not '" + std::string(value) + "'";
            }
            options.english = value == "en";
        } else if (arg == "--model") {
            const auto model = purzo::ParseModel(value);
            if (!model) {
                return "--model takes classic or exact, not '" + std::string(value) + "'";
            }
            options.model = *model;
        } else {
            auto postures = ParsePostures(value);
            if (!postures) {
                return "--postures wants a comma-separated list of postures 1 to 7, got '" +
                       std::string(value) + "'";
            }
            options.postures = *postures;
            options.postureList = true;
        }
    }
    return std::nullopt;
}

// Options that cannot be asked for together.
std::optional<std::string> CombinationError(const Options& o) {
    if (o.summary && !o.xlsx.empty()) {
        return "--summary and --xlsx do not go together";
    }
    if (o.tuck && o.postureList) {
        return "--tuck and --postures do not go together: a plan is a posture list";
    }
    if (o.map && (o.summary || !o.xlsx.empty() || o.postureList)) {
        return "--map prints a row per flight; leave out --summary, --xlsx and --postures";
    }
    if (o.map == purzo::MapKind::SpeedAngle && !o.tuck) {
        return "--map speed-angle needs the plan it flies: --tuck START,LENGTH[,DEPTH]";
    }
    if (o.map == purzo::MapKind::Tuck && o.tuck) {
        return "--map tuck flies every plan; leave out --tuck (its depth is --depth)";
    }
    if (o.depth && o.map != purzo::MapKind::Tuck) {
        return "--depth goes with --map tuck; a single plan's depth is --tuck's third number";
    }
    if (o.best && o.map != purzo::MapKind::Tuck) {
        return "--best goes with --map tuck";
    }
    return std::nullopt;
}

int UsageError(const std::string& message) {
    std::cerr << "purzo-trace: " << message << "\n"
              << "Try 'purzo-trace --help'.\n";
    return kUsageError;
}

int PrintMap(const Options& options) {
    purzo::MapRequest request;
    request.kind = *options.map;
    request.model = options.model;
    request.athlete = options.athlete;
    if (request.kind == purzo::MapKind::SpeedAngle) {
        request.plan = *options.tuck;
        if (const auto error = purzo::MapPlanError(request)) {
            return UsageError(*error);
        }
    } else {
        const purzo::TakeoffCheck check = purzo::CheckTakeoff(options.speed, options.angle);
        if (check.showWarning) {
            return UsageError("a map's take-off is 4 to 8 m/s and 30 to 80 degrees, not '" +
                              options.speed + "' and '" + options.angle + "'");
        }
        request.speedMPerS = check.takeoffSpeed;
        request.angleDeg = check.takeoffAngle;
        request.depth = options.depth.value_or(purzo::kStandardPlanDepth);
    }
    purzo::PrintLandingMap(request, options.best, std::cout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const auto error = ParseArguments(argc, argv, options)) {
        std::cerr << "purzo-trace: " << *error << "\n"
                  << "Try 'purzo-trace --help'.\n";
        return kUsageError;
    }
    if (options.athleteGiven && options.model != purzo::Model::Exact) {
        std::cerr << "purzo-trace: --mass, --height, --spin and --limb-speed need --model exact: "
                     "the classic model flies the standard figure\n"
                  << "Try 'purzo-trace --help'.\n";
        return kUsageError;
    }
    if (const auto error = CombinationError(options)) {
        return UsageError(*error);
    }
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (options.version) {
        std::cout << "Purzosimulation " << PURZO_VERSION << "\n";
        return 0;
    }

    if (options.map) {
        return PrintMap(options);
    }
    const purzo::TakeoffCheck check = purzo::CheckTakeoff(options.speed, options.angle);
    if (check.showWarning) {
        std::cerr << kWarning << "\n";
    }
    const purzo::FlightParameters params =
        purzo::ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle);
    if (options.tuck) {
        const purzo::PlanLimits limits =
            purzo::PlanLimitsFor(params, options.model, options.athlete, options.tuck->depth);
        if (const auto error = purzo::PlanError(*options.tuck, limits)) {
            return UsageError(*error);
        }
        options.postures = purzo::PlanPostures(*options.tuck);
    }

    const std::vector<purzo::FrameResult> frames =
        purzo::RunWholeFlight(params, options.postures, options.model, options.athlete);
    if (options.summary) {
        std::cout << purzo::SummaryCsvHeader() << "\n"
                  << purzo::SummaryCsvRow(purzo::SummaryOf(params, options.model, frames)) << "\n";
        return 0;
    }
#if PURZO_WITH_XLSX
    if (!options.xlsx.empty()) {
        const purzo::FlightRecord record{
            check.speedText, check.angleText, params,       options.model, frames,
            std::nullopt,    options.athlete, options.tuck, std::nullopt,  std::nullopt};
        const auto language =
            options.english ? purzo::WorkbookLanguage::English : purzo::WorkbookLanguage::German;
        if (const auto error = purzo::WriteFlightWorkbook(options.xlsx, record, language)) {
            std::cerr << "purzo-trace: " << options.xlsx << ": " << purzo::FailureText(*error)
                      << "\n";
            return 1;
        }
        return 0;
    }
#endif
    std::cout << purzo::FlightCsv(frames, options.model);
    return 0;
}
