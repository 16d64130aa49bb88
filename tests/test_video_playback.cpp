// SPDX-License-Identifier: MIT
// A video played at its own pace, on a clock the test moves by hand: each frame when its time in
// the file has come at the chosen speed, steady or variable frame rate alike.
#include "window/video/video_playback.h"

#include <QTest>
#include <cmath>

using namespace purzo;

class VideoPlaybackTest : public QObject {
    Q_OBJECT
private slots:
    // Played at 1, ½ or ¼ speed, each frame comes when its time in the file has passed on the
    // clock at that speed, not before; a frame whose time passed while the machine was busy is
    // skipped, not shown late.
    void playsAtTheFilesOwnTimes_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<QList<double>>("times");
        const QList<double> steady{0, 1 / 30.0, 2 / 30.0, 3 / 30.0, 4 / 30.0, 5 / 30.0};
        const QList<double> variable{0.5, 0.54, 0.6, 0.6333, 0.8, 0.81, 1.2};
        QTest::newRow("steady, full speed") << 1.0 << steady;
        QTest::newRow("steady, half speed") << 0.5 << steady;
        QTest::newRow("variable, full speed") << 1.0 << variable;
        QTest::newRow("variable, quarter speed") << 0.25 << variable;
    }
    void playsAtTheFilesOwnTimes() {
        QFETCH(double, speed);
        QFETCH(QList<double>, times);
        qint64 now = 5000;
        VideoPlayback playback;
        playback.setClock([&now] { return now; });
        playback.setFrameTimes({times.begin(), times.end()});
        playback.setSpeed(speed);
        QList<int> shown;
        connect(&playback, &VideoPlayback::frameDue, &playback, [&](int f) { shown << f; });
        playback.play(0);
        QVERIFY(playback.playing());
        // A millisecond either side of a frame's time on the clock that started at `start`.
        qint64 start = now;
        const auto before = [&](qsizetype i) {
            return start + qint64(std::floor((times[i] - times[0]) * 1000 / speed)) - 1;
        };
        const auto after = [&](qsizetype i) {
            return start + qint64(std::ceil((times[i] - times[0]) * 1000 / speed)) + 1;
        };
        for (qsizetype i = 1; i < times.size(); ++i) {
            now = before(i);
            playback.advance();
            QCOMPARE(shown.size(), int(i) - 1);
            now = after(i);
            playback.advance();
            QCOMPARE(shown.size(), int(i));
            QCOMPARE(shown.back(), int(i));
        }
        QVERIFY(!playback.playing()); // at the last frame it stops
        // Played again from the last frame, it starts over; a slow machine skips what is past.
        shown.clear();
        start = now;
        playback.play(int(times.size()) - 1);
        QCOMPARE(shown, QList<int>{0});
        now = after(3);
        playback.advance();
        QCOMPARE(shown, (QList<int>{0, 3}));
    }
};

QTEST_MAIN(VideoPlaybackTest)
#include "test_video_playback.moc"
