// SPDX-License-Identifier: MIT
// The flight player without a window: the frames it hands on are the model's, the records keep
// them, a replay plays them again, and a stop drops a flight.
#include "flight/whole_flight.h"
#include "window/view/flight_player.h"

#include <QSignalSpy>
#include <QTest>
#include <cstdint>
#include <vector>

using namespace purzo;

Q_DECLARE_METATYPE(purzo::FrameResult)

namespace {

// Every reading of this clock is a second later than the one before, so every frame is due at
// once and a flight runs through without waiting.
FrameClock::TimeSource RushingClock() {
    return [t = std::int64_t(0)]() mutable { return t += 1'000'000'000; };
}

FlightRecord Takeoff(double speed, double angle, Model model) {
    // Appended, not "t" + string: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
    return FlightRecord{std::string("t").append(std::to_string(speed)),
                        std::to_string(angle),
                        ComputeFlightParameters(speed, angle),
                        model,
                        {},
                        Pace::RealTime,
                        {},
                        {},
                        {},
                        {}};
}

bool SameFrames(const std::vector<FrameResult>& a, const std::vector<FrameResult>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].frame != b[i].frame || a[i].figure != b[i].figure ||
            a[i].rotationDeg != b[i].rotationDeg || a[i].posture != b[i].posture ||
            a[i].timeS != b[i].timeS || a[i].landed != b[i].landed) {
            return false;
        }
    }
    return true;
}

} // namespace

class FlightPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void framesAreTheModelsWithThePosturesRead_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("classic") << int(Model::Classic);
        QTest::newRow("exact") << int(Model::Exact);
    }
    void framesAreTheModelsWithThePosturesRead() {
        QFETCH(int, model);
        FlightPlayer player;
        player.setTimeSource(RushingClock());
        // Tucks one step a frame up to 7, as a student holding the right arrow key would.
        std::vector<int> read;
        player.setPostureSource([&read] {
            read.push_back(std::min(7, int(read.size()) + 1));
            return read.back();
        });
        std::vector<FrameResult> shown;
        connect(&player, &FlightPlayer::frameReady, this,
                [&shown](const FrameResult& f) { shown.push_back(f); });
        QSignalSpy finished(&player, &FlightPlayer::flightFinished);
        player.startFlight(Takeoff(7, 55, Model(model)), 59);
        QVERIFY(player.flightRunning());
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(!player.flightRunning());

        const std::vector<FrameResult> expected =
            RunWholeFlight(ComputeFlightParameters(7, 55), read, Model(model));
        QCOMPARE(read.size(), expected.size()); // one reading per frame
        QVERIFY(SameFrames(shown, expected));
        QCOMPARE(finished.at(0).at(0).toInt(), int(expected.size()));
        const FlightRecord& record = *player.lastFlight();
        QCOMPARE(int(record.model), model);
        QCOMPARE(record.speedText, std::string("t7.000000"));
        QVERIFY(SameFrames(record.frames, expected));
        QCOMPARE(record.postures(), read);
        QVERIFY(!player.previousFlight());
        QCOMPARE(player.currentFrame()->frame, int(expected.size()));
    }

    void replayPlaysTheRecordedFramesAgain() {
        FlightPlayer player;
        player.setTimeSource(RushingClock());
        int readings = 0;
        player.setPostureSource([&readings] { return ++readings % 2 ? 7 : 1; });
        QSignalSpy finished(&player, &FlightPlayer::flightFinished);
        player.startFlight(Takeoff(6, 60, Model::Exact), 59);
        QTRY_COMPARE(finished.count(), 1);
        const std::vector<FrameResult> recorded = player.lastFlight()->frames;
        const int readingsOfTheFlight = readings;

        std::vector<FrameResult> replayed;
        connect(&player, &FlightPlayer::frameReady, this,
                [&replayed](const FrameResult& f) { replayed.push_back(f); });
        QSignalSpy replayFinished(&player, &FlightPlayer::replayFinished);
        QVERIFY(player.replayLastFlight(59));
        QVERIFY(player.replayRunning());
        QTRY_COMPARE(replayFinished.count(), 1);
        QVERIFY(SameFrames(replayed, recorded));
        QCOMPARE(readings, readingsOfTheFlight); // a replay reads no posture
        QVERIFY(SameFrames(player.lastFlight()->frames, recorded));
        QVERIFY(!player.previousFlight());
    }

    void aStoppedFlightIsDroppedAndTheRecordsShift() {
        FlightPlayer player;
        player.setTimeSource(RushingClock());
        QVERIFY(!player.replayLastFlight(59)); // nothing to replay yet
        QSignalSpy finished(&player, &FlightPlayer::flightFinished);
        player.startFlight(Takeoff(5, 40, Model::Classic), 59);
        QTRY_COMPARE(finished.count(), 1);
        const int firstFrames = int(player.lastFlight()->frames.size());

        // A second flight cut off after its third frame leaves no record.
        QSignalSpy frames(&player, &FlightPlayer::frameReady);
        connect(&player, &FlightPlayer::frameReady, this, [&player](const FrameResult& f) {
            if (f.frame == 3) {
                player.stop();
            }
        });
        player.startFlight(Takeoff(8, 70, Model::Classic), 59);
        QTRY_COMPARE(frames.count(), 3);
        QTest::qWait(50);
        QCOMPARE(frames.count(), 3);
        QVERIFY(!player.flightRunning());
        QCOMPARE(int(player.lastFlight()->frames.size()), firstFrames);
        QVERIFY(!player.previousFlight());
    }

    void pauseHoldsTheFrameAndResumeStartsTheClockAfresh() {
        FlightPlayer player;
        std::int64_t nowNs = 0;
        player.setTimeSource([&nowNs] { return nowNs; });
        QSignalSpy frames(&player, &FlightPlayer::frameReady);
        connect(&player, &FlightPlayer::frameReady, this, [&](const FrameResult& f) {
            if (f.frame == 1) {
                player.togglePause();
            }
        });
        player.startFlight(Takeoff(6, 60, Model::Exact), 20);
        QCOMPARE(player.nextFrameWaitMs(), 20);
        nowNs = 20'000'000; // frame 1 is due
        QTRY_COMPARE(frames.count(), 1);
        QVERIFY(player.paused() && player.flightRunning());
        QCOMPARE(player.nextFrameWaitMs(), -1);
        nowNs = 10'000'000'000; // ten seconds later
        QTest::qWait(60);
        QCOMPARE(frames.count(), 1);
        QCOMPARE(player.currentFrame()->frame, 1);

        // Resumed, frame 2 is a whole pause away, not overdue from the old schedule.
        player.togglePause();
        QVERIFY(!player.paused());
        QCOMPARE(player.nextFrameWaitMs(), 20);
        QTRY_VERIFY(frames.count() >= 2);
        const std::vector<FrameResult> model =
            RunWholeFlight(ComputeFlightParameters(6, 60), std::vector<int>{1}, Model::Exact);
        QVERIFY(SameFrames({frames.at(1).at(0).value<FrameResult>()}, {model[1]}));
        player.stop();
    }

    void steppingShowsTheRecordedFramesAndNeverComputesOne() {
        FlightPlayer player;
        player.setTimeSource(RushingClock());
        player.setPostureSource([] { return 5; });
        QSignalSpy selected(&player, &FlightPlayer::frameSelected);
        QVERIFY(!player.step(-1)); // nothing recorded yet
        player.togglePause();      // nothing to pause
        QVERIFY(!player.paused());

        // Paused after frame 4 of a flight: back and forth over what it recorded.
        connect(&player, &FlightPlayer::frameReady, this, [&player](const FrameResult& f) {
            if (f.frame == 4 && !player.paused()) {
                player.togglePause();
            }
        });
        player.startFlight(Takeoff(7, 65, Model::Classic), 59);
        QTRY_VERIFY(player.paused());
        QVERIFY(player.canStep());
        QVERIFY(!player.step(1)); // the newest frame: nothing beyond it yet
        QVERIFY(player.step(-2));
        QCOMPARE(player.currentFrame()->frame, 2);
        QCOMPARE(player.shownCount(), std::size_t(2));
        QVERIFY(player.stepToEnd(false));
        QCOMPARE(player.currentFrame()->frame, 1);
        QVERIFY(!player.step(-1));
        QVERIFY(player.stepToEnd(true));
        QCOMPARE(player.currentFrame()->frame, 4);
        QCOMPARE(selected.count(), 3);
        QVERIFY(player.step(-1));
        QCOMPARE(player.recordedFrames().size(), std::size_t(4));

        // Resumed: back to the newest frame, then on to the end.
        QSignalSpy finished(&player, &FlightPlayer::flightFinished);
        player.togglePause();
        QCOMPARE(selected.count(), 5);
        QCOMPARE(selected.last().at(0).value<std::size_t>(), std::size_t(4));
        QTRY_COMPARE(finished.count(), 1);
        const std::vector<FrameResult> model =
            RunWholeFlight(ComputeFlightParameters(7, 65), std::vector<int>{5}, Model::Classic);
        QVERIFY(SameFrames(player.lastFlight()->frames, model));

        // After the flight every frame can be stepped to; the records do not change.
        QVERIFY(player.canStep());
        QVERIFY(player.step(-3));
        QVERIFY(SameFrames({*player.currentFrame()}, {model[model.size() - 4]}));
        QVERIFY(SameFrames(player.lastFlight()->frames, model));
    }

    void aFlightStartedWhileOneRunsReplacesIt() {
        FlightPlayer player;
        player.setTimeSource(RushingClock());
        QSignalSpy finished(&player, &FlightPlayer::flightFinished);
        bool restarted = false;
        connect(&player, &FlightPlayer::frameReady, this, [&](const FrameResult& f) {
            if (f.frame == 2 && !restarted) {
                restarted = true;
                player.startFlight(Takeoff(4, 30, Model::Exact), 59);
            }
        });
        player.startFlight(Takeoff(8, 80, Model::Classic), 59);
        QTRY_COMPARE(finished.count(), 1);
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(player.lastFlight()->model, Model::Exact);
        QCOMPARE(player.lastFlight()->frames.size(),
                 RunWholeFlight(ComputeFlightParameters(4, 30), std::vector<int>{1}, Model::Exact)
                     .size());
    }
};

QTEST_GUILESS_MAIN(FlightPlayerTest)
#include "test_flight_player.moc"
