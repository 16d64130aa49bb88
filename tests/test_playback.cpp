// SPDX-License-Identifier: MIT
// The playback's states without a timer: the test runs each due frame itself.
#include "flight/playback.h"

#include <QTest>
#include <algorithm>
#include <cstdint>
#include <vector>

using namespace purzo;

namespace {

// Waits nowhere: records what the playback asks for and lets the test run the frames.
struct Recorder : Playback::Listener {
    int scheduled = 0; // waits asked for and not cancelled
    int postureReads = 0;
    std::vector<int> readyFrames;
    std::vector<std::size_t> selected;
    int finishedReplays = 0;
    void schedule(int) override { scheduled = 1; }
    void cancelSchedule() override { scheduled = 0; }
    int readPosture() override {
        ++postureReads;
        return 1;
    }
    void frameReady(const FrameResult& frame) override { readyFrames.push_back(frame.frame); }
    void frameSelected(std::size_t count) override { selected.push_back(count); }
    void pausedChanged(bool) override {}
    void flightFinished(int) override {}
    void replayFinished(int) override { ++finishedReplays; }
};

FrameClock::TimeSource StillClock() {
    return [] { return std::int64_t(0); };
}

// Runs frames while one is due, at most `frames` of them.
void RunDue(Playback& playback, Recorder& recorder, int frames = 1000) {
    for (int i = 0; i < frames && recorder.scheduled; ++i) {
        recorder.scheduled = 0;
        playback.runDueFrame();
    }
}

FlightRecord DesignFlight() {
    return FlightRecord{"6", "60", ComputeFlightParameters(6, 60), Model::Classic, {}, {}, {}, {},
                        {},  {}};
}

} // namespace

class PlaybackTest : public QObject {
    Q_OBJECT
private slots:
    // A paused replay has every frame: stepping moves it, and it goes on after the frame shown.
    void steppingAPausedReplayMovesIt_data() {
        QTest::addColumn<int>("pausedAt");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("nextFrame"); // 0: the replay ends at once
        QTest::newRow("forward past where it stood") << 3 << 5 << 9;
        QTest::newRow("back") << 10 << -4 << 7;
        QTest::newRow("to the last frame") << 3 << 100 << 0;
    }
    void steppingAPausedReplayMovesIt() {
        QFETCH(int, pausedAt);
        QFETCH(int, delta);
        QFETCH(int, nextFrame);
        Recorder recorder;
        Playback playback(recorder, StillClock());
        playback.startFlight(DesignFlight(), 59);
        RunDue(playback, recorder);
        const std::size_t frames = playback.lastFlight()->frames.size();
        QCOMPARE(frames, std::size_t(18));
        QVERIFY(playback.replayLastFlight(59));
        RunDue(playback, recorder, pausedAt);
        playback.togglePause();
        QVERIFY(playback.canStep());
        QVERIFY(playback.step(delta));
        const std::size_t shown = std::clamp<std::size_t>(std::size_t(pausedAt + delta), 1, frames);
        QCOMPARE(playback.shownCount(), shown);
        QCOMPARE(recorder.selected.back(), shown);
        const int reads = recorder.postureReads;
        recorder.readyFrames.clear();
        playback.togglePause();
        QVERIFY(!playback.paused());
        RunDue(playback, recorder);
        if (nextFrame == 0) {
            QVERIFY(recorder.readyFrames.empty());
        } else {
            QCOMPARE(recorder.readyFrames.front(), nextFrame);
            QCOMPARE(recorder.readyFrames.back(), int(frames));
        }
        QCOMPARE(recorder.finishedReplays, 1);
        QVERIFY(!playback.replayRunning());
        QCOMPARE(recorder.postureReads, reads); // a replay reads no posture
    }

    // A paused flight can only go on from its newest frame: the model never ran beyond it.
    void aPausedFlightResumesFromItsNewestFrame() {
        Recorder recorder;
        Playback playback(recorder, StillClock());
        playback.startFlight(DesignFlight(), 59);
        RunDue(playback, recorder, 6);
        playback.togglePause();
        QVERIFY(!playback.step(1)); // nothing beyond the newest
        QVERIFY(playback.step(-3));
        QCOMPARE(playback.shownCount(), std::size_t(3));
        playback.togglePause();
        QCOMPARE(playback.shownCount(), std::size_t(6));
        recorder.readyFrames.clear();
        RunDue(playback, recorder, 1);
        QCOMPARE(recorder.readyFrames, std::vector<int>{7});
    }
};

QTEST_GUILESS_MAIN(PlaybackTest)
#include "test_playback.moc"
