// SPDX-License-Identifier: MIT
// The frame clock with a time source the test sets: the schedule, small delays, stalls and a
// restart, and the pause of each pace.
#include "flight/frame_clock.h"
#include "flight/pace.h"

#include <QTest>
#include <cstdint>

using namespace purzo;

namespace {

constexpr std::int64_t kMs = 1'000'000; // ns

struct FakeTime {
    std::int64_t nowNs = 0;
    FrameClock clock() {
        return FrameClock([this] { return nowNs; });
    }
    void at(double ms) { nowNs = std::int64_t(ms * kMs); }
};

} // namespace

class FrameClockTest : public QObject {
    Q_OBJECT
private slots:
    void framesOnScheduleWaitOnePauseEach() {
        FakeTime time;
        time.at(1000);
        FrameClock clock = time.clock();
        clock.start(59);
        QCOMPARE(clock.waitBeforeFrame(1), 59);
        for (int n = 1; n <= 5; ++n) {
            time.at(1000 + n * 59);
            clock.frameShown(n);
            QCOMPARE(clock.waitBeforeFrame(n + 1), 59);
        }
    }

    void aFrameTwoMillisecondsLateKeepsTheSchedule() {
        FakeTime time;
        FrameClock clock = time.clock();
        clock.start(59);
        time.at(61);
        clock.frameShown(1);
        // Frame 2 is still due at 118, so the wait shrinks by the delay.
        QCOMPARE(clock.waitBeforeFrame(2), 57);
        time.at(118.4);
        clock.frameShown(2);
        QCOMPARE(clock.waitBeforeFrame(3), 59); // 176.6 ms, rounded up to whole milliseconds
    }

    void lateByJustUnderHalfAPauseKeepsTheSchedule() {
        FakeTime time;
        FrameClock clock = time.clock();
        clock.start(118);
        time.at(118 + 58.9);
        clock.frameShown(1);
        QCOMPARE(clock.waitBeforeFrame(2), 60);
    }

    void aStallReanchorsTheScheduleAtTheLateFrame_data() {
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<double>("shownAtMs"); // frame 2, due two pauses after the start
        QTest::newRow("Zeitlupe, 600 ms stall") << 118 << 236.0 + 600;
        QTest::newRow("Echtzeit, half a pause late") << 59 << 118.0 + 29.5;
        QTest::newRow("Extrem-Zeitlupe, several pauses") << 235 << 470.0 + 1000;
    }
    void aStallReanchorsTheScheduleAtTheLateFrame() {
        QFETCH(int, pauseMs);
        QFETCH(double, shownAtMs);
        FakeTime time;
        FrameClock clock = time.clock();
        clock.start(pauseMs);
        time.at(pauseMs);
        clock.frameShown(1);
        time.at(shownAtMs);
        clock.frameShown(2);
        // Every later frame gets a whole pause again, counted from the late one.
        QCOMPARE(clock.waitBeforeFrame(3), pauseMs);
        time.at(shownAtMs + pauseMs);
        clock.frameShown(3);
        QCOMPARE(clock.waitBeforeFrame(4), pauseMs);
        // The flight as a whole takes its nominal time plus the stall.
        QCOMPARE(clock.waitBeforeFrame(10), 7 * pauseMs);
    }

    void aFrameThatIsAlreadyDueWaitsNothing() {
        FakeTime time;
        FrameClock clock = time.clock();
        clock.start(59);
        time.at(100);
        QCOMPARE(clock.waitBeforeFrame(1), 0);
    }

    void restartingBeginsANewSchedule() {
        FakeTime time;
        FrameClock clock = time.clock();
        clock.start(235);
        time.at(235);
        clock.frameShown(1);
        time.at(300);
        clock.start(59);
        QCOMPARE(clock.pauseMs(), 59);
        QCOMPARE(clock.waitBeforeFrame(1), 59);
        time.at(359);
        clock.frameShown(1);
        QCOMPARE(clock.waitBeforeFrame(2), 59);
    }

    void paceSetsTheFrameDelay_data() {
        QTest::addColumn<int>("pace");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("Echtzeit") << int(Pace::RealTime) << 59;
        QTest::newRow("Zeitlupe") << int(Pace::SlowMotion) << 118;
        QTest::newRow("Extrem-Zeitlupe") << int(Pace::ExtremeSlowMotion) << 235;
    }
    void paceSetsTheFrameDelay() {
        QFETCH(int, pace);
        QFETCH(int, delayMs);
        QCOMPARE(FrameDelayMs(Pace(pace)), delayMs);
    }
};

QTEST_APPLESS_MAIN(FrameClockTest)
#include "test_frame_clock.moc"
