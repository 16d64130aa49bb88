// SPDX-License-Identifier: MIT
// purzo-bench: what a flight costs in the model, how evenly the real window paces its frames,
// how fast it starts and how much memory it holds. Prints a table and writes a JSON file.
//   purzo-bench [--json PATH]
#include "flight/frame_step.h"
#include "flight/whole_flight.h"
#include "video/jump_fit.h"
#include "video/marker_tracking.h"
#include "window/purzo_window.h"
#include "window/tools/map_computation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

// Every integer take-off the scroll bars can set.
std::vector<purzo::FlightParameters> AllTakeoffs() {
    std::vector<purzo::FlightParameters> all;
    for (int v = 4; v <= 8; ++v) {
        for (int a = 30; a <= 80; ++a) {
            all.push_back(purzo::ComputeFlightParameters(v, a));
        }
    }
    return all;
}

// A fixed sequence that tucks and stretches again.
constexpr int kPostures[] = {1, 1, 2, 3, 4, 5, 6, 7, 7, 7, 6, 5, 4, 3, 2, 1};
int PostureOfFrame(int frame) {
    return kPostures[frame % std::size(kPostures)];
}

// One frame at a time, flight after flight over every take-off; state.range(0) is the model.
void BM_Frame(benchmark::State& state) {
    const auto model = purzo::Model(state.range(0));
    const auto takeoffs = AllTakeoffs();
    std::size_t next = 0;
    purzo::Flight flight = purzo::StartFlight(takeoffs[next], model);
    for (auto _ : state) {
        if (flight.ended) {
            next = (next + 1) % takeoffs.size();
            flight = purzo::StartFlight(takeoffs[next], model);
        }
        benchmark::DoNotOptimize(purzo::RunFrame(flight, PostureOfFrame(flight.framesRun)));
    }
}
BENCHMARK(BM_Frame)
    ->Arg(int(purzo::Model::Classic))
    ->Arg(int(purzo::Model::Exact))
    ->Unit(benchmark::kNanosecond);

// Whole flights as the trace tool runs them, records included.
void BM_Flight(benchmark::State& state) {
    const auto model = purzo::Model(state.range(0));
    const auto takeoffs = AllTakeoffs();
    std::vector<int> postures;
    for (int frame = 0; frame < 245; ++frame) {
        postures.push_back(PostureOfFrame(frame));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(purzo::RunWholeFlight(takeoffs[next], postures, model));
        next = (next + 1) % takeoffs.size();
    }
}
BENCHMARK(BM_Flight)
    ->Arg(int(purzo::Model::Classic))
    ->Arg(int(purzo::Model::Exact))
    ->Unit(benchmark::kMicrosecond);

// A landing map of 41 × 51 take-offs for one plan in the exact model, as the window computes it,
// on state.range(0) threads.
void BM_Map(benchmark::State& state) {
    purzo::MapRequest request;
    request.kind = purzo::MapKind::SpeedAngle;
    request.model = purzo::Model::Exact;
    request.plan = {3, 6, 7};
    for (auto _ : state) {
        purzo::MapComputation map(request, int(state.range(0)));
        while (!map.finished()) {
            std::this_thread::yield();
        }
        benchmark::DoNotOptimize(map.cells().data());
    }
}
BENCHMARK(BM_Map)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Seven markers found in a full-HD frame, each in the window around its last place.
void BM_MarkerTrack(benchmark::State& state) {
    purzo::RgbImage image;
    image.width = 1920;
    image.height = 1080;
    image.rgb.assign(std::size_t(image.width) * std::size_t(image.height) * 3, 90);
    std::array<std::optional<purzo::MarkerColour>, purzo::kJointCount> colours;
    for (int j = 0; j < purzo::kJointCount; ++j) {
        const purzo::MarkerColour c{std::uint8_t(j & 1 ? 255 : 0), std::uint8_t(j & 2 ? 255 : 0),
                                    std::uint8_t(j & 4 ? 255 : 0)};
        colours[std::size_t(j)] = c;
        for (int y = 500; y < 512; ++y) {
            for (int x = 300 + 150 * j; x < 312 + 150 * j; ++x) {
                std::uint8_t* p = image.rgb.data() + (std::size_t(y) * 1920 + std::size_t(x)) * 3;
                p[0] = c.r;
                p[1] = c.g;
                p[2] = c.b;
            }
        }
    }
    purzo::MarkerTracker tracker(colours);
    tracker.track(image); // the first frame searches the whole picture
    for (auto _ : state) {
        benchmark::DoNotOptimize(tracker.track(image));
    }
}
BENCHMARK(BM_MarkerTrack)->Unit(benchmark::kMicrosecond);

// The fit of a filmed jump: an exact flight's figures as the marks of a 17 fps film.
void BM_JumpFit(benchmark::State& state) {
    const std::vector<int> postures{1, 1, 1, 5, 7, 7, 7, 5, 1};
    const auto frames =
        purzo::RunWholeFlight(purzo::ComputeFlightParameters(6, 60), postures, purzo::Model::Exact);
    const purzo::Calibration calibration =
        *purzo::CalibrationOf({{0, 150}, {0, 120}, 1.0}); // 30 px per metre, the canvas's own
    purzo::JumpFitInput input{calibration, {}, {}, 70, {}, {}};
    for (int standing = 0; standing < 3; ++standing) {
        input.timesS.push_back((standing - 3) / 17.0);
        input.marks.push_back({});
    }
    for (const purzo::FrameResult& f : frames) {
        input.timesS.push_back(f.timeS);
        const purzo::Figure& g = f.figure;
        purzo::FrameMarks& m = input.marks.emplace_back();
        std::size_t j = 0;
        for (const purzo::Point p :
             {g.head, g.shoulder(), g.elbow(), g.hand(), g.hip(), g.knee(), g.foot()}) {
            m[j++] = purzo::PixelPoint{p.x, p.y};
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        input.marks[i] = input.marks[3];
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(purzo::FitJump(input));
    }
}
BENCHMARK(BM_JumpFit)->Unit(benchmark::kMicrosecond);

class CapturingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

struct Pacing {
    int frames = 0;
    double medianMs = 0;
    double maxLateMs = 0;
    double totalRatio = 0;
};

// One flight of 6 m/s at 60° in the real window, with the real pause of the chosen pace.
Pacing MeasurePacing(purzo::PurzoWindow& window, const char* option, int delayMs) {
    window.findChild<QRadioButton*>(QLatin1String(option))->setChecked(true);
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("6"));
    window.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("60"));
    QElapsedTimer clock;
    std::vector<double> shownMs;
    bool done = false;
    auto started =
        QObject::connect(&window, &purzo::PurzoWindow::flightStarted, [&] { clock.start(); });
    auto shown = QObject::connect(&window, &purzo::PurzoWindow::frameShown,
                                  [&](int) { shownMs.push_back(clock.nsecsElapsed() / 1e6); });
    auto finished =
        QObject::connect(&window, &purzo::PurzoWindow::flightFinished, [&](int) { done = true; });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Start")), Qt::LeftButton);
    while (!done) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QObject::disconnect(started);
    QObject::disconnect(shown);
    QObject::disconnect(finished);

    Pacing p;
    p.frames = int(shownMs.size());
    std::vector<double> intervals;
    double previous = 0;
    for (int n = 0; n < p.frames; ++n) {
        intervals.push_back(shownMs[n] - previous);
        previous = shownMs[n];
        p.maxLateMs = std::max(p.maxLateMs, shownMs[n] - double(n + 1) * delayMs);
    }
    std::sort(intervals.begin(), intervals.end());
    const std::size_t mid = intervals.size() / 2;
    p.medianMs = intervals.size() % 2 ? intervals[mid] : (intervals[mid - 1] + intervals[mid]) / 2;
    p.totalRatio = shownMs.back() / (double(p.frames) * delayMs);
    return p;
}

// Start-up: from starting a fresh process to the window's first paint, median of five.
double MeasureStartupMs(const QString& self) {
    std::vector<double> samples;
    for (int i = 0; i < 5; ++i) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(self, {QStringLiteral("--startup-child")});
        child.waitForReadyRead(10000);
        samples.push_back(clock.nsecsElapsed() / 1e6);
        child.waitForFinished(10000);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Runs as the child of MeasureStartupMs: the real window, reporting its first paint.
int StartupChild(int argc, char** argv) {
    QApplication app(argc, argv);
    purzo::PurzoWindow window;
    struct FirstPaint : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && !seen) {
                seen = true;
                QTimer::singleShot(0, [] {
                    std::fputs("painted\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            }
            return false;
        }
        bool seen = false;
    } filter;
    window.installEventFilter(&filter);
    window.showAtBestSize();
    return QApplication::exec();
}

double PeakResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--startup-child") {
        return StartupChild(argc, argv);
    }
    QString jsonPath = QStringLiteral("bench.json");
    std::vector<char*> benchArgs{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--json" && i + 1 < argc) {
            jsonPath = QString::fromLocal8Bit(argv[++i]);
        } else {
            benchArgs.push_back(argv[i]);
        }
    }
    int benchArgc = int(benchArgs.size());
    benchmark::Initialize(&benchArgc, benchArgs.data());
    CapturingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    QApplication app(argc, argv);
    purzo::PurzoWindow window;
    window.resize(purzo::PurzoWindow::kFullClientSize);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fputs("purzo-bench: the window did not show\n", stderr);
        return 1;
    }
    QJsonObject json;
    json[QStringLiteral("model_frame_ns")] = reporter.times["BM_Frame/0"];
    json[QStringLiteral("model_flight_us")] = reporter.times["BM_Flight/0"];
    json[QStringLiteral("exact_frame_ns")] = reporter.times["BM_Frame/1"];
    json[QStringLiteral("exact_flight_us")] = reporter.times["BM_Flight/1"];
    // 2,091 exact flights: the map on one thread and on two, and what each flight costs in it.
    const double cells = 41 * 51;
    json[QStringLiteral("map_one_thread_ms")] = reporter.times["BM_Map/1/real_time"];
    json[QStringLiteral("map_two_threads_ms")] = reporter.times["BM_Map/2/real_time"];
    json[QStringLiteral("map_flight_us")] = reporter.times["BM_Map/1/real_time"] * 1000 / cells;
    json[QStringLiteral("video_track_full_hd_us")] = reporter.times["BM_MarkerTrack"];
    json[QStringLiteral("video_fit_us")] = reporter.times["BM_JumpFit"];

    std::printf("\n%-16s %7s %11s %12s %12s\n", "pace", "frames", "median ms", "max late ms",
                "total ratio");
    const struct {
        const char* option;
        const char* name;
        int delayMs;
    } paces[] = {{"Option1", "Echtzeit", 59},
                 {"Option2", "Zeitlupe", 118},
                 {"Option3", "Extrem-Zeitlupe", 235}};
    for (const auto& pace : paces) {
        const Pacing p = MeasurePacing(window, pace.option, pace.delayMs);
        std::printf("%-16s %7d %11.3f %12.3f %12.4f\n", pace.name, p.frames, p.medianMs,
                    p.maxLateMs, p.totalRatio);
        const QString key = QStringLiteral("pace_%1_").arg(pace.delayMs);
        json[key + "median_ms"] = p.medianMs;
        json[key + "max_late_ms"] = p.maxLateMs;
        json[key + "total_ratio"] = p.totalRatio;
    }

    // Seven more flights, shortened, make ten in all before memory is read.
    window.setPauseOverrideForTesting(1);
    for (int i = 0; i < 7; ++i) {
        MeasurePacing(window, "Option1", 1);
    }
    const double peakMb = PeakResidentMb();
    const double startupMs = MeasureStartupMs(QCoreApplication::applicationFilePath());
    json[QStringLiteral("startup_ms")] = startupMs;
    json[QStringLiteral("peak_rss_mb")] = peakMb;
    std::printf("\n%-34s %10.1f\n%-34s %10.1f\n%-34s %10.1f\n%-34s %10.1f\n", "classic frame (ns)",
                reporter.times["BM_Frame/0"], "classic flight (us)", reporter.times["BM_Flight/0"],
                "exact frame (ns)", reporter.times["BM_Frame/1"], "exact flight (us)",
                reporter.times["BM_Flight/1"]);
    std::printf("%-34s %10.1f\n%-34s %10.1f\n%-34s %10.1f\n", "map 41 x 51, one thread (ms)",
                reporter.times["BM_Map/1/real_time"], "map 41 x 51, two threads (ms)",
                reporter.times["BM_Map/2/real_time"], "exact flight in the map (us)",
                reporter.times["BM_Map/1/real_time"] * 1000 / cells);
    std::printf("%-34s %10.1f\n%-34s %10.1f\n", "start-up to first paint (ms)", startupMs,
                "peak resident after 10 flights (MB)", peakMb);

    QFile out(jsonPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "purzo-bench: cannot write %s\n", qPrintable(jsonPath));
        return 1;
    }
    out.write(QJsonDocument(json).toJson());
    std::printf("\nwritten to %s\n", qPrintable(jsonPath));
    return 0;
}
