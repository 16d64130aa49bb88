// SPDX-License-Identifier: MIT
// Coloured markers followed through a filmed jump as a student does it: each joint's colour
// picked by a click on its marker, the run from the frame on show to the end, stopped at once
// when cancelled, and a mark dragged into place guiding the frames after it.
#include "video_clicks.h"
#include "window/video/tracking_panel.h"
#include "window_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

using namespace purzo;
using namespace purzo::test;

class VideoTrackingTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    FilmedJump jump_;
    QString video_;

    std::unique_ptr<VideoWindow> openWindow() { return OpenVideoWindow(video_); }

private slots:
    void initTestCase() {
        UseProgramLook();
        QVERIFY(dir_.isValid());
        jump_.posture = 4; // arms and legs apart, so that no two markers touch
        video_ = dir_.filePath(QStringLiteral("marken.mp4"));
        QVERIFY(jump_.render(video_));
    }

    // Each joint's colour picked by a click on its marker; the markers followed from the frame on
    // show to the end lie where the filmed markers are.
    void followsTheMarkers_data() {
        QTest::addColumn<QList<int>>("joints");
        QTest::addColumn<int>("from");
        QTest::newRow("head, hip and foot from the start") << QList<int>{0, 4, 6} << 0;
        QTest::newRow("all seven from the take-off") << QList<int>{0, 1, 2, 3, 4, 5, 6} << 5;
        QTest::newRow("the hand alone in the air") << QList<int>{3} << 12;
    }
    void followsTheMarkers() {
        QFETCH(QList<int>, joints);
        QFETCH(int, from);
        auto window = openWindow();
        QVERIFY(window);
        window->setTask(VideoWindow::Task::Track);
        window->showFrame(from);
        QVERIFY(!window->trackingPanel()->trackButton()->isEnabled()); // no colour yet
        const auto truth = jump_.jointsAt(from);
        for (const int j : joints) {
            window->trackingPanel()->joints()->setCurrentRow(j);
            QVERIFY(window->view()->hint().contains(
                window->trackingPanel()->joints()->item(j)->text().section(' ', 0, 0)));
            Click(*window, truth[std::size_t(j)] + QPointF(1, -1));
            // The click takes the marker's colour and marks its centre.
            const auto& colour = window->trackingPanel()->colours()[std::size_t(j)];
            QVERIFY(colour);
            const QColor filmed = FilmedJump::markerColour(j);
            QVERIFY(std::abs(colour->red() - filmed.red()) < 40 &&
                    std::abs(colour->green() - filmed.green()) < 40 &&
                    std::abs(colour->blue() - filmed.blue()) < 40);
            QVERIFY(Distance(window->marks().at(from)[std::size_t(j)], truth[std::size_t(j)]) <
                    1.5);
        }
        QTest::mouseClick(window->trackingPanel()->trackButton(), Qt::LeftButton);
        QVERIFY(window->tracking());
        QVERIFY(window->trackingPanel()->progress()->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return !window->tracking(); }, 20000));
        QVERIFY(!window->trackingPanel()->progress()->isVisible());
        QCOMPARE(window->currentFrame(), window->frameCount() - 1);
        for (int f = from; f < window->frameCount(); ++f) {
            const auto filmed = jump_.jointsAt(f);
            for (const Joint joint : kJoints) {
                const auto& mark = MarkOf(window->marks().at(f), joint);
                if (joints.contains(int(joint))) {
                    QVERIFY2(
                        Distance(mark, filmed[std::size_t(joint)]) < 2.5,
                        qPrintable(QStringLiteral("frame %1, joint %2").arg(f).arg(int(joint))));
                } else {
                    QVERIFY(!mark);
                }
            }
        }
        // Frames before the start are left alone.
        for (int f = 0; f < from; ++f) {
            QCOMPARE(MarkedCount(window->marks().at(f)), 0);
        }
    }

    // Cancelled, the run stops where it is; a mark moved by hand stays, and following on from
    // the next frame starts from it and finds the markers again.
    void trackingStopsAndTakesCorrections() {
        auto window = openWindow();
        QVERIFY(window);
        window->setTask(VideoWindow::Task::Track);
        window->showFrame(6);
        window->trackingPanel()->joints()->setCurrentRow(int(Joint::Hip));
        Click(*window, jump_.jointsAt(6)[std::size_t(Joint::Hip)]);
        window->track();
        QVERIFY(QTest::qWaitFor([&] { return window->currentFrame() >= 9; }, 20000));
        QTest::mouseClick(window->trackingPanel()->cancelButton(), Qt::LeftButton);
        QVERIFY(!window->tracking());
        const int stopped = window->currentFrame();
        QVERIFY(stopped < window->frameCount() - 1);
        QCOMPARE(MarkedCount(window->marks().at(stopped + 1)), 0);
        QVERIFY(window->trackingPanel()->message()->text().contains(QStringLiteral("Abgebrochen")));
        // The hip's mark dragged a little off, as a student might; the run from the next frame
        // still lands on the markers, and the moved mark keeps its place.
        const QPointF hip = jump_.jointsAt(stopped)[std::size_t(Joint::Hip)];
        const QPointF moved = hip + QPointF(5, 4);
        Drag(*window, hip, moved);
        QVERIFY(Distance(MarkOf(window->marks().at(stopped), Joint::Hip), moved) < 1.0);
        window->step(1);
        window->track();
        QVERIFY(QTest::qWaitFor([&] { return !window->tracking(); }, 20000));
        QVERIFY(Distance(MarkOf(window->marks().at(stopped), Joint::Hip), moved) < 1.0);
        for (int f = stopped + 1; f < window->frameCount(); ++f) {
            QVERIFY(Distance(MarkOf(window->marks().at(f), Joint::Hip),
                             jump_.jointsAt(f)[std::size_t(Joint::Hip)]) < 2.5);
        }
    }
};

QTEST_MAIN(VideoTrackingTest)
#include "test_video_tracking.moc"
