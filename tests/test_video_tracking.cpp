// SPDX-License-Identifier: MIT
// Coloured markers followed through a filmed jump as a student does it: each joint's colour
// picked by a click on its marker, the run from the frame on show to the end, stopped at once
// when cancelled, and a mark dragged into place guiding the frames after it.
#include "video/marker_tracking.h"
#include "video_clicks.h"
#include "window/video/tracking_panel.h"
#include "window_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>

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

    // A click takes the tape's colour even on its edge or on the white limb drawn across it; on
    // grey it takes the grey.
    void picksTheTapesColour_data() {
        QTest::addColumn<QPointF>("click");
        QTest::addColumn<QColor>("expected");
        const QColor tape(230, 20, 30);
        QTest::newRow("the middle, on the line") << QPointF(20, 20) << tape;
        QTest::newRow("the edge") << QPointF(23, 21) << tape;
        QTest::newRow("two pixels beside it") << QPointF(25, 22) << tape;
        QTest::newRow("grey floor") << QPointF(50, 50) << QColor(120, 120, 120);
        QTest::newRow("off the picture") << QPointF(-3, 400) << QColor();
    }
    void picksTheTapesColour() {
        QFETCH(QPointF, click);
        QFETCH(QColor, expected);
        RgbImage image;
        image.width = image.height = 64;
        image.rgb.resize(64 * 64 * 3);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const bool tape = std::hypot(x - 20, y - 20) <= 4.0;
                const bool limb = y == 20 && x >= 10 && x <= 30;
                const int grey = 120 + ((x * 7 + y * 13) % 9) - 4; // a little noise
                const QColor c = limb   ? QColor(250, 250, 250)
                                 : tape ? QColor(230, 20, 30)
                                        : QColor(grey, grey, grey);
                std::uint8_t* p = &image.rgb[std::size_t(y * 64 + x) * 3];
                p[0] = std::uint8_t(c.red());
                p[1] = std::uint8_t(c.green());
                p[2] = std::uint8_t(c.blue());
            }
        }
        const std::optional<MarkerColour> picked = PickedColour(image, {click.x(), click.y()});
        QCOMPARE(bool(picked), expected.isValid());
        if (picked) {
            QVERIFY2(std::abs(picked->r - expected.red()) < 12 &&
                         std::abs(picked->g - expected.green()) < 12 &&
                         std::abs(picked->b - expected.blue()) < 12,
                     qPrintable(
                         QStringLiteral("%1,%2,%3").arg(picked->r).arg(picked->g).arg(picked->b)));
        }
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
