// SPDX-License-Identifier: MIT
// purzo-video: a filmed jump measured. Calibrates with the stick, takes the marks from a file or
// tracks coloured markers, fits the take-off and prints every frame, or one summary row, as CSV.
#include "video/jump_fit.h"
#include "video/marker_tracking.h"
#include "video/marks_file.h"
#include "video/video_file.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 2;

constexpr const char* kUsage =
    R"(Usage: purzo-video FILE --stick X1,Y1,X2,Y2 [--stick-length M]
                   (--marks MARKS.csv | --markers JOINT=#RRGGBB,...) [--mass KG] [--summary]

Measures a filmed jump: the stick's two ends (pixels, either order) give the scale, the floor
through its lower end and the vertical; the marks give the centre of mass in every frame after
the segment model; the fit gives the take-off speed, angle and height, g, the spin and the
residuals.

  --stick X1,Y1,X2,Y2   the ends of a stick standing on the floor in the plane of the jump
  --stick-length M      its length in metres (default 1)
  --marks FILE.csv      marks per frame: columns frame, headX, headY, shoulderX, ... footY
                        (this program's own per-frame output reads back)
  --markers LIST        coloured markers to track, e.g. hip=#ff00ff,foot=#ff8000; joints are
                        head, shoulder, elbow, hand, hip, knee, foot; a colour matches within
                        40 in each channel
  --mass KG             the athlete's mass (default 70)
  --summary             one row: speedMPerS,angleDeg,spinDegPerS,takeoffHeightM,gravityMPerS2,
                        takeoffS,touchdownS,comResidualM,rotationResidualDeg
  --help, --version

Without --summary every frame is one row: its number (from 1), its time as the file holds it,
the marks in pixels and the fitted values. Exit status 2 for a file it cannot read or bad
options, 1 when the marks give no fit.
)";

struct Options {
    std::string file;
    std::optional<purzo::Stick> stick;
    std::string marksFile;
    std::array<std::optional<purzo::MarkerColour>, purzo::kJointCount> colours{};
    bool markersGiven = false;
    double massKg = purzo::kStandardAthlete.massKg;
    bool summary = false;
    bool help = false;
    bool version = false;
};

std::optional<double> Number(std::string_view s) {
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> Split(std::string_view s) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = s.find(',', start);
        parts.push_back(s.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return parts;
        }
        start = comma + 1;
    }
}

std::optional<std::string> ParseArguments(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= argc) {
                return std::nullopt;
            }
            return std::string_view(argv[++i]);
        };
        if (arg == "--help") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--summary") {
            o.summary = true;
        } else if (arg == "--stick") {
            const auto v = value();
            const std::vector<std::string_view> parts =
                v ? Split(*v) : std::vector<std::string_view>{};
            std::array<double, 4> xy{};
            bool ok = parts.size() == 4;
            for (std::size_t k = 0; ok && k < 4; ++k) {
                const auto n = Number(parts[k]);
                ok = n.has_value();
                xy[k] = n.value_or(0);
            }
            if (!ok) {
                return "--stick takes four numbers X1,Y1,X2,Y2 (pixels)";
            }
            const double length = o.stick ? o.stick->lengthM : purzo::kStandardStickLengthM;
            o.stick = purzo::Stick{{xy[0], xy[1]}, {xy[2], xy[3]}, length};
        } else if (arg == "--stick-length") {
            const auto v = value();
            const auto n = v ? Number(*v) : std::nullopt;
            if (!n || *n <= 0) {
                return "--stick-length takes a length in metres above 0";
            }
            if (!o.stick) {
                o.stick = purzo::Stick{};
            }
            o.stick->lengthM = *n;
        } else if (arg == "--marks") {
            const auto v = value();
            if (!v || v->empty()) {
                return "--marks takes a file";
            }
            o.marksFile = std::string(*v);
        } else if (arg == "--markers") {
            const auto v = value();
            if (!v) {
                return "--markers takes JOINT=#RRGGBB,...";
            }
            for (const std::string_view item : Split(*v)) {
                const std::size_t eq = item.find('=');
                const auto joint = purzo::ParseJoint(item.substr(0, eq));
                const auto colour = eq == std::string_view::npos
                                        ? std::nullopt
                                        : purzo::ParseColour(item.substr(eq + 1));
                if (!joint || !colour) {
                    std::string error = "--markers: '";
                    error.append(item).append(
                        "' is no JOINT=#RRGGBB (joints: head, shoulder, elbow, hand, hip, knee, "
                        "foot)");
                    return error;
                }
                o.colours[std::size_t(*joint)] = colour;
            }
            o.markersGiven = true;
        } else if (arg == "--mass") {
            const auto v = value();
            const auto n = v ? Number(*v) : std::nullopt;
            if (!n || !purzo::kMassRangeKg.holds(*n)) {
                return "--mass takes a body mass from 20 to 150 kg";
            }
            o.massKg = *n;
        } else if (!arg.empty() && arg[0] == '-') {
            std::string error = "unknown option ";
            error.append(arg);
            return error;
        } else if (o.file.empty()) {
            o.file = std::string(arg);
        } else {
            return "one video at a time";
        }
    }
    if (o.help || o.version) {
        return std::nullopt;
    }
    if (o.file.empty()) {
        return "no video given";
    }
    if (!o.stick || (o.stick->a == purzo::PixelPoint{} && o.stick->b == purzo::PixelPoint{})) {
        return "--stick is needed: the video's scale comes from it";
    }
    if (o.marksFile.empty() == !o.markersGiven) {
        return "give either --marks or --markers";
    }
    return std::nullopt;
}

int UsageError(const std::string& message) {
    std::cerr << "purzo-video: " << message << "\nTry 'purzo-video --help'.\n";
    return kUsageError;
}

const char* WarningText(purzo::FitWarning w) {
    using W = purzo::FitWarning;
    switch (w) {
    case W::PointsCompleted:
        return "some frames lack points; the posture that fits the marked ones best filled them in";
    case W::SpeedOutsideModel:
        return "the take-off speed lies outside 4 to 8 m/s; the model flies the nearest allowed";
    case W::AngleOutsideModel:
        return "the take-off angle lies outside 30 to 80 degrees; the model flies the nearest "
               "allowed";
    case W::SpinOutsideRange:
        return "the spin lies outside 0 to 400 degrees per second; the model flies the nearest "
               "allowed";
    case W::HeightOutsideRange:
        return "the body's size from the marks lies outside 1.0 to 2.2 m; the model's athlete "
               "keeps the nearest allowed";
    case W::NoFloorBefore:
        return "no frame shows the athlete on the floor before the flight; the take-off height is "
               "the standing body's";
    case W::MarksMissing:
        return "some frames of the flight have too few marks (the athlete out of the picture?)";
    }
    return "";
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (const auto error = ParseArguments(argc, argv, o)) {
        return UsageError(*error);
    }
    if (o.help) {
        std::cout << kUsage;
        return 0;
    }
    if (o.version) {
        std::cout << "Purzosimulation " << PURZO_VERSION << "\n";
        return 0;
    }
    purzo::CalibrationError calibrationError;
    const auto calibration = purzo::CalibrationOf(*o.stick, &calibrationError);
    if (!calibration) {
        return UsageError("--stick: " + calibrationError.message);
    }
    purzo::VideoFile video;
    purzo::VideoError videoError;
    if (!video.open(o.file, videoError)) {
        std::cerr << "purzo-video: " << o.file << ": cannot read it as a video ("
                  << videoError.message << ")\n";
        return kUsageError;
    }
    const int frames = video.frameCount();
    std::vector<purzo::FrameMarks> marks;
    if (!o.marksFile.empty()) {
        std::ifstream in(o.marksFile, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        purzo::MarksFileError marksError;
        const auto read = in ? purzo::ReadMarksCsv(text.str(), frames, marksError) : std::nullopt;
        if (!read) {
            std::cerr << "purzo-video: " << o.marksFile << ": "
                      << (in ? marksError.message : "cannot read it") << "\n";
            return kUsageError;
        }
        marks = *read;
    } else {
        purzo::MarkerTracker tracker(o.colours);
        purzo::RgbImage image;
        for (int i = 0; i < frames; ++i) {
            if (!video.readFrame(i, image, videoError)) {
                std::cerr << "purzo-video: " << o.file << ": frame " << i + 1 << " of " << frames
                          << ": " << videoError.message << "\n";
                return kUsageError;
            }
            marks.push_back(tracker.track(image));
        }
    }
    purzo::JumpFitInput input{*calibration, video.frameTimesS(), marks, o.massKg, {}, {}};
    const auto result = purzo::FitJump(input);
    const purzo::JumpFit* fit = std::get_if<purzo::JumpFit>(&result);
    if (fit) {
        for (const purzo::FitWarning w : fit->warnings) {
            std::cerr << "purzo-video: " << WarningText(w) << "\n";
        }
    } else {
        const purzo::FitFailure failure = std::get<purzo::FitFailure>(result);
        std::cerr << "purzo-video: no fit: ";
        if (failure.problem == purzo::FitProblem::TooFewAirborneFrames) {
            std::cerr << "only " << failure.value << " airborne frames carry enough marks (at "
                      << "least three points each); " << purzo::kFewestFittedFrames
                      << " are needed\n";
        } else {
            std::cerr << "the stick gives no scale\n";
        }
    }
    if (o.summary) {
        if (!fit) {
            return 1;
        }
        std::cout << purzo::SummaryCsvHeaderOfFit() << "\n"
                  << purzo::SummaryCsvRowOfFit(*fit) << "\n";
        return 0;
    }
    std::cout << purzo::FrameCsvHeader() << "\n";
    for (int i = 0; i < frames; ++i) {
        std::cout << purzo::FrameCsvRow(i + 1, video.frameTimesS()[std::size_t(i)],
                                        marks[std::size_t(i)],
                                        fit ? &fit->frames[std::size_t(i)] : nullptr, *calibration)
                  << "\n";
    }
    return fit ? 0 : 1;
}
