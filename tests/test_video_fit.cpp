// SPDX-License-Identifier: MIT
// purzo-video over videos of known jumps: the take-off recovered within the tolerances a lesson
// needs, the model's figure over the filmed one, the frames' own times, and faults planted in
// the inputs missing the take-off.
#include "jump_video.h"
#include "trace_run.h"
#include "video/jump_fit.h"
#include "video/marker_tracking.h"
#include "video/marks_file.h"
#include "video/video_file.h"
#include "video/video_flight.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using purzo::test::JumpScene;
using purzo::test::RenderedJump;

namespace {

// Tracking a film of 120 frames a second takes its time under the sanitizers.
Run RunVideoTool(const QStringList& arguments) {
    return RunProgram(QStringLiteral(PURZO_VIDEO_PATH), arguments, 120000);
}

// The frames' times as ffprobe reads them from the file, in display order.
std::vector<double> ProbedTimesS(const QString& file) {
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {"-v", "error", "-select_streams", "v:0", "-show_entries", "packet=pts_time", "-of",
                 "csv=p=0", file});
    probe.waitForFinished(60000);
    std::vector<double> times;
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        if (!line.trimmed().isEmpty()) {
            times.push_back(line.trimmed().toDouble());
        }
    }
    std::sort(times.begin(), times.end());
    return times;
}

QString StickOption(const RenderedJump& jump) {
    QStringList xy;
    for (const double v : jump.stickPx) {
        xy << QString::number(v, 'f', 3);
    }
    return xy.join(',');
}

QStringList Arguments(const RenderedJump& jump, double stickLengthM = 1.0) {
    return {jump.file,
            "--stick",
            StickOption(jump),
            "--stick-length",
            QString::number(stickLengthM),
            "--markers",
            purzo::test::MarkersOption()};
}

// The summary's columns by name.
QHash<QString, double> Summary(const Run& run) {
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QHash<QString, double> values;
    if (lines.size() == 2) {
        const QStringList names = lines[0].split(','), cells = lines[1].split(',');
        for (qsizetype i = 0; i < names.size() && i < cells.size(); ++i) {
            values[names[i]] = cells[i].toDouble();
        }
    }
    return values;
}

JumpScene Scene(double speed, double angle, double spin, double fps) {
    JumpScene s;
    s.speedMPerS = speed;
    s.angleDeg = angle;
    s.athlete.spinDegPerS = spin;
    s.framesPerSecond = fps;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(JumpScene)

class VideoFitTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void theFitRecoversTheTakeoff_data() {
        QTest::addColumn<JumpScene>("scene");
        QTest::newRow("30 fps, H.264, stretched") << Scene(6, 60, 170, 30);
        JumpScene tucked = Scene(7.2, 72, 300, 60);
        tucked.vp9 = true;
        tucked.tuck = {0.25, 0.35, 5};
        tucked.athlete.bodyHeightM = 1.6;
        tucked.athlete.massKg = 55;
        QTest::newRow("60 fps, VP9, tucked, a smaller athlete") << tucked;
        JumpScene fast = Scene(5, 45, 120, 120);
        fast.tuck = {0.15, 0.25, 7};
        QTest::newRow("120 fps, H.264, tight tuck") << fast;
        JumpScene variable = Scene(6.5, 66, 220, 30);
        variable.variableRate = true;
        variable.tuck = {0.2, 0.3, 4};
        QTest::newRow("variable frame rate") << variable;
        JumpScene rolled = Scene(4.6, 52, 150, 60);
        rolled.rollDeg = 3;
        rolled.athlete.bodyHeightM = 1.95;
        QTest::newRow("camera rolled 3 degrees") << rolled;
        JumpScene grainy = Scene(5.5, 58, 180, 60);
        grainy.noise = 40;
        grainy.noisyMarkers = true;
        grainy.tuck = {0.2, 0.3, 6};
        QTest::newRow("grain over the markers too") << grainy;
    }
    void theFitRecoversTheTakeoff() {
        QFETCH(JumpScene, scene);
        const RenderedJump jump = purzo::test::RenderJump(
            scene, dir_.path(), QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY2(!jump.file.isEmpty(), "ffmpeg could not encode the test video");
        const Run summary = RunVideoTool(Arguments(jump) << "--summary");
        QCOMPARE(summary.exitCode, 0);
        const QHash<QString, double> fit = Summary(summary);
        QVERIFY2(fit.size() == 9, qPrintable(summary.out + summary.err));
        QVERIFY2(std::abs(fit["speedMPerS"] / scene.speedMPerS - 1) < 0.01,
                 qPrintable(summary.out));
        QVERIFY2(std::abs(fit["angleDeg"] - scene.angleDeg) < 0.5, qPrintable(summary.out));
        QVERIFY2(std::abs(fit["spinDegPerS"] / scene.athlete.spinDegPerS - 1) < 0.02,
                 qPrintable(summary.out));
        QVERIFY2(std::abs(fit["takeoffHeightM"] - jump.takeoffHeightM) < 0.02,
                 qPrintable(summary.out));
        QVERIFY2(std::abs(fit["gravityMPerS2"] / 9.81 - 1) < 0.03, qPrintable(summary.out));
        const double frameS = 1 / scene.framesPerSecond;
        QVERIFY2(std::abs(fit["takeoffS"] - jump.takeoffS) < frameS / 2, qPrintable(summary.out));
        QVERIFY2(std::abs(fit["touchdownS"] - jump.touchdownS) < frameS, qPrintable(summary.out));

        // Every frame at the time the file holds, and the model's hip on the filmed one.
        const Run frames = RunVideoTool(Arguments(jump));
        QCOMPARE(frames.exitCode, 0);
        const QStringList lines = frames.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), qsizetype(jump.timesS.size()) + 1);
        const std::vector<double> probed = ProbedTimesS(jump.file);
        QCOMPARE(probed.size(), jump.timesS.size());
        const QStringList header = lines[0].split(',');
        const qsizetype hipX = header.indexOf("modelHipX"), hipY = header.indexOf("modelHipY");
        int compared = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QStringList cells = lines[i].split(',');
            QCOMPARE(cells[0].toInt(), int(i));
            // As the file holds it: WebM keeps milliseconds.
            QVERIFY(std::abs(cells[1].toDouble() - probed[std::size_t(i - 1)]) < 1e-6);
            QVERIFY(std::abs(cells[1].toDouble() - jump.timesS[std::size_t(i - 1)]) < 6e-4);
            if (cells[2] == "1") {
                const purzo::PixelPoint truth = jump.hipPx[std::size_t(i - 1)];
                const double off =
                    std::hypot(cells[hipX].toDouble() - truth.x, cells[hipY].toDouble() - truth.y);
                QVERIFY2(off < 3, qPrintable(lines[i]));
                ++compared;
            }
        }
        QVERIFY(compared >= 5);
    }

    // Each fault a program could make with its inputs misses the take-off by far more than the
    // tolerances above: the fit is sensitive to what it must be.
    void plantedFaultsMissTheTakeoff() {
        JumpScene scene = Scene(6, 60, 170, 60);
        scene.tuck = {0.2, 0.3, 5};
        const RenderedJump jump = purzo::test::RenderJump(scene, dir_.path(), "faults");
        QVERIFY(!jump.file.isEmpty());
        // A stick taken for 1.1 m.
        const QHash<QString, double> longStick =
            Summary(RunVideoTool(Arguments(jump, 1.1) << "--summary"));
        QVERIFY(std::abs(longStick["speedMPerS"] / 6 - 1) > 0.03);
        QVERIFY(std::abs(longStick["gravityMPerS2"] / 9.81 - 1) > 0.05);

        // The marks as tracked, fitted again with the frames' times gone wrong.
        const Run frames = RunVideoTool(Arguments(jump));
        QCOMPARE(frames.exitCode, 0);
        purzo::MarksFileError error;
        const auto marks =
            purzo::ReadMarksCsv(frames.out.toStdString(), int(jump.timesS.size()), error);
        QVERIFY2(marks, error.message.c_str());
        const purzo::Calibration calibration = *purzo::CalibrationOf(
            {{jump.stickPx[0], jump.stickPx[1]}, {jump.stickPx[2], jump.stickPx[3]}});
        auto fitted = [&](std::vector<double> times) {
            return std::get<purzo::JumpFit>(
                purzo::FitJump({calibration, times, *marks, 70, {}, {}}));
        };
        const purzo::JumpFit right = fitted(jump.timesS);
        QVERIFY(std::abs(right.speedMPerS / 6 - 1) < 0.01);
        // As a flight of the lesson: the exact model, the filmed athlete and her tuck.
        const purzo::FlightRecord flown = purzo::FlightOfFit(right, "faults.mp4");
        QCOMPARE(flown.model, purzo::Model::Exact);
        QVERIFY(std::abs(flown.params.takeoffSpeed - 6) < 0.06);
        QVERIFY(std::abs(flown.athlete.bodyHeightM - 1.8) < 0.02);
        QVERIFY(std::abs(flown.athlete.spinDegPerS / 170 - 1) < 0.02);
        const std::vector<int> postures = flown.postures();
        QCOMPARE(postures.front(), 1);
        QCOMPARE(*std::max_element(postures.begin(), postures.end()), 5);
        QVERIFY(flown.landed() && flown.video && flown.video->fileName == "faults.mp4");
        // 30 fps assumed for a 60 fps video.
        std::vector<double> halfRate = jump.timesS;
        for (double& t : halfRate) {
            t *= 2;
        }
        const purzo::JumpFit slow = fitted(halfRate);
        QVERIFY(std::abs(slow.speedMPerS / 6 - 1) > 0.1);
        QVERIFY(std::abs(slow.gravityMPerS2 / 9.81 - 1) > 0.5);
        QVERIFY(std::abs(slow.spinDegPerS / 170 - 1) > 0.2);
        // One airborne frame's time a frame late: the residuals show it.
        std::vector<double> shifted = jump.timesS;
        const std::size_t middle =
            std::size_t(std::find(jump.airborne.begin(), jump.airborne.end(), true) -
                        jump.airborne.begin()) +
            20;
        shifted[middle] += 1.0 / 60;
        const purzo::JumpFit late = fitted(shifted);
        QVERIFY(late.centreResidualM > 3 * right.centreResidualM);
        QVERIFY(late.frames[middle].centreResidualM > 0.05);
        QVERIFY(right.frames[middle].centreResidualM < 0.01);
    }

    // Frames read in any order are the frames read one after the other.
    void framesReadInAnyOrderAreTheSame() {
        const RenderedJump jump =
            purzo::test::RenderJump(Scene(5, 50, 150, 30), dir_.path(), "order");
        purzo::VideoFile video;
        purzo::VideoError error;
        QVERIFY(video.open(jump.file.toStdString(), error));
        QCOMPARE(video.frameCount(), int(jump.timesS.size()));
        const purzo::MarkerColour hip = *purzo::ParseColour(purzo::test::kMarkerColours[4]);
        std::vector<purzo::PixelPoint> inOrder;
        purzo::RgbImage image;
        for (int i = 0; i < video.frameCount(); ++i) {
            QVERIFY(video.readFrame(i, image, error));
            inOrder.push_back(purzo::FindMarker(image, hip, std::nullopt, 0).value());
        }
        const int last = video.frameCount() - 1;
        for (const int i : {last, 0, last - 1, 17, 16, 3, 31, 30, 1, last}) {
            QVERIFY(video.readFrame(i, image, error));
            const purzo::PixelPoint at = purzo::FindMarker(image, hip, std::nullopt, 0).value();
            QVERIFY2(at == inOrder[std::size_t(i)], qPrintable(QString::number(i)));
            // The hip drawn in that frame, found within a pixel.
            QVERIFY(std::hypot(at.x - jump.hipPx[std::size_t(i)].x,
                               at.y - jump.hipPx[std::size_t(i)].y) < 1);
        }
    }

    void badFilesAndOptionsSayWhy_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a video") << "text" << 2 << "cannot read it as a video";
        QTest::newRow("missing file") << "missing" << 2 << "cannot read it as a video";
        QTest::newRow("cut off") << "cut" << 0 << "";
        QTest::newRow("stick of length 0") << "length0" << 2 << "--stick-length";
        QTest::newRow("stick clicked twice in one place") << "samePlace" << 2 << "one place";
        QTest::newRow("bad colour") << "colour" << 2 << "#RRGGBB";
        QTest::newRow("no marks at all") << "noMarks" << 1 << "airborne frames";
    }
    void badFilesAndOptionsSayWhy() {
        QFETCH(QString, kind);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        static const RenderedJump jump =
            purzo::test::RenderJump(Scene(6, 60, 170, 30), dir_.path(), "bad");
        QStringList args = Arguments(jump);
        if (kind == "text") {
            QFile text(dir_.filePath("notes.mp4"));
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("Sprung von Lea, 3. Versuch\n");
            args[0] = text.fileName();
        } else if (kind == "missing") {
            args[0] = dir_.filePath("nowhere.mp4");
        } else if (kind == "cut") {
            // Cut off past its middle: the frames up to the cut still fit.
            QFile whole(jump.file);
            QVERIFY(whole.open(QIODevice::ReadOnly));
            QFile cut(dir_.filePath("cut.mp4"));
            QVERIFY(cut.open(QIODevice::WriteOnly));
            cut.write(whole.read(whole.size() * 9 / 10));
            args[0] = cut.fileName();
        } else if (kind == "length0") {
            args[4] = "0";
        } else if (kind == "samePlace") {
            args[2] = "100,200,100,200";
        } else if (kind == "colour") {
            args[6] = "hip=#ff00f";
        } else if (kind == "noMarks") {
            args[6] = "hip=#123456";
        }
        const Run run = RunVideoTool(args << "--summary");
        if (kind == "cut" && run.exitCode != 0) {
            // A container cut off before its index gives no video at all: said so, no crash.
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains("cannot read it as a video"), qPrintable(run.err));
            return;
        }
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    // Exact marks, no video: what the fit does with what a lesson's films give it.
    void oddFilmsStillFitOrSayWhy_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("warning"); // -1: none expected
        QTest::newRow("as filmed") << "" << 6.0 << 60.0 << -1;
        QTest::newRow("a jump to the left") << "left" << 6.0 << 60.0 << -1;
        QTest::newRow("the film starts in the air")
            << "inAir" << 6.0 << 60.0 << int(purzo::FitWarning::NoFloorBefore);
        QTest::newRow("she leaves the picture")
            << "leaves" << 6.0 << 60.0 << int(purzo::FitWarning::MarksMissing);
        QTest::newRow("knee and hand hidden")
            << "hidden" << 6.0 << 60.0 << int(purzo::FitWarning::PointsCompleted);
        QTest::newRow("slower than the model flies")
            << "" << 3.6 << 60.0 << int(purzo::FitWarning::SpeedOutsideModel);
        QTest::newRow("steeper than the model flies")
            << "" << 6.0 << 84.0 << int(purzo::FitWarning::AngleOutsideModel);
    }
    void oddFilmsStillFitOrSayWhy() {
        QFETCH(QString, kind);
        QFETCH(double, speed);
        QFETCH(double, angle);
        QFETCH(int, warning);
        JumpScene scene = Scene(speed, angle, 170, 60);
        scene.tuck = {0.2, 0.3, 6};
        RenderedJump jump = purzo::test::TraceJump(scene);
        std::vector<double> times = jump.timesS;
        std::vector<purzo::FrameMarks> marks = jump.marks;
        purzo::Stick stick{{jump.stickPx[0], jump.stickPx[1]}, {jump.stickPx[2], jump.stickPx[3]}};
        if (kind == "left") {
            for (purzo::FrameMarks& m : marks) {
                for (auto& p : m) {
                    p->x = 640 - p->x;
                }
            }
            stick.a.x = 640 - stick.a.x;
            stick.b.x = 640 - stick.b.x;
        } else if (kind == "inAir") {
            const auto first = std::find(jump.airborne.begin(), jump.airborne.end(), true);
            const auto drop = (first - jump.airborne.begin()) + 2;
            times.erase(times.begin(), times.begin() + drop);
            marks.erase(marks.begin(), marks.begin() + drop);
        } else if (kind == "leaves") {
            for (std::size_t i = marks.size() * 2 / 3; i < marks.size(); ++i) {
                marks[i] = {};
            }
        } else if (kind == "hidden") {
            for (std::size_t i = 0; i < marks.size(); i += 2) {
                purzo::MarkOf(marks[i], purzo::Joint::Knee).reset();
                purzo::MarkOf(marks[i], purzo::Joint::Hand).reset();
            }
        }
        const auto result =
            purzo::FitJump({*purzo::CalibrationOf(stick), times, marks, 70, {}, {}});
        const purzo::JumpFit* fit = std::get_if<purzo::JumpFit>(&result);
        QVERIFY(fit);
        QVERIFY2(std::abs(fit->speedMPerS / speed - 1) < 0.01,
                 qPrintable(QString::number(fit->speedMPerS)));
        QVERIFY2(std::abs(fit->angleDeg - angle) < 0.5, qPrintable(QString::number(fit->angleDeg)));
        QVERIFY(std::abs(fit->spinDegPerS / 170 - 1) < 0.02);
        QVERIFY(std::abs(fit->takeoffHeightM - jump.takeoffHeightM) < 0.02);
        const auto& w = fit->warnings;
        QCOMPARE(w.empty(), warning < 0);
        if (warning >= 0) {
            QVERIFY(std::find(w.begin(), w.end(), purzo::FitWarning(warning)) != w.end());
        }
        // The lesson's video flight, drawn over the film at its frames' times, lies on the
        // fitted model's figure until the tuck (after it, the lesson's flight has the seven
        // postures only), to the left as to the right.
        if (warning < 0) {
            const purzo::FlightRecord flown = purzo::FlightOfFit(*fit, "film.mp4");
            int drawn = 0;
            for (const purzo::FittedFrame& f : fit->frames) {
                const auto points = purzo::FlightPointsAt(flown, *fit, f.timeS);
                if (f.airborne && points &&
                    f.timeS - fit->takeoffS < scene.tuck.startS - 1 / 17.0) {
                    const purzo::ScenePoint hip = (*points)[std::size_t(purzo::Joint::Hip)];
                    const purzo::ScenePoint fitted = f.model[std::size_t(purzo::Joint::Hip)];
                    QVERIFY2(std::hypot(hip.xM - fitted.xM, hip.heightM - fitted.heightM) < 0.01,
                             qPrintable(QString::number(f.timeS)));
                    ++drawn;
                }
            }
            QVERIFY(drawn >= 6);
        }
        // The model flies what it can: the nearest allowed take-off.
        QCOMPARE(fit->modelSpeedMPerS, std::clamp(fit->speedMPerS, 4.0, 8.0));
        QCOMPARE(fit->modelAngleDeg, std::clamp(fit->angleDeg, 30.0, 80.0));
    }

    void tooFewAirborneFramesGiveNoFit() {
        const RenderedJump jump = purzo::test::TraceJump(Scene(6, 60, 170, 30));
        std::vector<purzo::FrameMarks> marks = jump.marks;
        int kept = 0;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            // Four airborne frames keep their marks, the rest of the flight two (the first one
            // barely off the floor: it would count as standing).
            if (jump.airborne[i] && (kept++ == 0 || kept > 5)) {
                for (const purzo::Joint j :
                     {purzo::Joint::Head, purzo::Joint::Shoulder, purzo::Joint::Elbow,
                      purzo::Joint::Hand, purzo::Joint::Knee}) {
                    purzo::MarkOf(marks[i], j).reset();
                }
            }
        }
        const purzo::Stick stick{{jump.stickPx[0], jump.stickPx[1]},
                                 {jump.stickPx[2], jump.stickPx[3]}};
        const auto result =
            purzo::FitJump({*purzo::CalibrationOf(stick), jump.timesS, marks, 70, {}, {}});
        const purzo::FitFailure* failure = std::get_if<purzo::FitFailure>(&result);
        QVERIFY(failure && failure->problem == purzo::FitProblem::TooFewAirborneFrames);
        QCOMPARE(failure->value, 4.0);
    }

    // Take-off and touchdown corrected by hand hold, even on a frame without marks.
    void correctedTakeoffAndTouchdownHold() {
        const RenderedJump jump = purzo::test::TraceJump(Scene(6, 60, 170, 60));
        const int firstAir = int(std::find(jump.airborne.begin(), jump.airborne.end(), true) -
                                 jump.airborne.begin());
        const purzo::Stick stick{{jump.stickPx[0], jump.stickPx[1]},
                                 {jump.stickPx[2], jump.stickPx[3]}};
        purzo::JumpFitInput input{
            *purzo::CalibrationOf(stick), jump.timesS, jump.marks, 70, {}, {}};
        const purzo::JumpFit found = std::get<purzo::JumpFit>(purzo::FitJump(input));
        QCOMPARE(found.lastFloorFrame, firstAir - 1);
        input.lastFloorFrame = firstAir + 2;
        input.touchdownFrame = found.touchdownFrame - 3;
        const purzo::JumpFit corrected = std::get<purzo::JumpFit>(purzo::FitJump(input));
        QCOMPARE(corrected.lastFloorFrame, firstAir + 2);
        QCOMPARE(corrected.touchdownFrame, found.touchdownFrame - 3);
        QVERIFY(!corrected.frames[std::size_t(firstAir + 1)].airborne);
        QVERIFY(!corrected.frames[std::size_t(found.touchdownFrame - 2)].airborne);
        // Taken at an airborne frame, the take-off stands higher than the body standing.
        QVERIFY(corrected.takeoffHeightM > found.takeoffHeightM + 0.05);
        input.marks[std::size_t(firstAir + 2)] = {};
        const auto unmarked = purzo::FitJump(input);
        const purzo::JumpFit* fit = std::get_if<purzo::JumpFit>(&unmarked);
        QVERIFY(fit);
        QVERIFY(std::find(fit->warnings.begin(), fit->warnings.end(),
                          purzo::FitWarning::NoFloorBefore) != fit->warnings.end());
    }
};

QTEST_GUILESS_MAIN(VideoFitTest)
#include "test_video_fit.moc"
