// SPDX-License-Identifier: MIT
// The flight player without a window: the frames it hands on are the model's, the records keep
// them, a replay plays them again, and a stop drops a flight.
#include "flight/whole_flight.h"
#include "window/flight_player.h"

#include <QSignalSpy>
#include <QTest>
#include <cstdint>
#include <vector>

using namespace purzo;

namespace {

// Every reading of this clock is a second later than the one before, so every frame is due at
// once and a flight runs through without waiting.
FrameClock::TimeSource RushingClock() {
    return [t = std::int64_t(0)]() mutable { return t += 1'000'000'000; };
}

FlightRecord Takeoff(double speed, double angle, Model model) {
    return FlightRecord{"t" + std::to_string(speed),
                        std::to_string(angle),
                        ComputeFlightParameters(speed, angle),
                        model,
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
