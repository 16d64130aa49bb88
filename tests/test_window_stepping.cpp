// SPDX-License-Identifier: MIT
// Pause and step as a teacher works them: Space, Page Up and Down, Home and End and the wheel on
// the canvas; the canvas shows the recorded frame, and buttons keep their Space. At a
// whiteboard: taps on the arrow-key picture, a long press for the menu, and the charts.
#include "flight/csv_writer.h"
#include "flight/quantities.h"
#include "window/controls/lesson_menu.h"
#include "window/view/accessible_flight.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace purzo;
using purzo::test::Control;
using purzo::test::ModelFlight;
using purzo::test::ShowWhole;

namespace {

bool SameFigure(const std::optional<DrawnFigure>& shown, const FrameResult& frame) {
    if (!shown) {
        return false;
    }
    const DrawnFigure expected = ToDrawn(frame.figure);
    for (std::size_t i = 0; i < expected.lines.size(); ++i) {
        const CanvasLine& a = shown->lines[i];
        const CanvasLine& b = expected.lines[i];
        if (a.x1 != b.x1 || a.y1 != b.y1 || a.x2 != b.x2 || a.y2 != b.y2) {
            return false;
        }
    }
    return shown->head.x == expected.head.x && shown->head.y == expected.head.y;
}

void Wheel(QWidget* widget, int delta) {
    const QPointF at = widget->rect().center();
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class WindowSteppingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    void spacePausesMidAirAndPageUpStepsBack_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("classic") << int(Model::Classic);
        QTest::newRow("exact") << int(Model::Exact);
    }
    void spacePausesMidAirAndPageUpStepsBack() {
        QFETCH(int, model);
        PurzoWindow window;
        window.setPauseOverrideForTesting(15);
        QVERIFY(ShowWhole(window));
        window.setModel(Model(model));
        window.lessonMenu()->dataAction()->setChecked(true);
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_VERIFY(frames.count() >= 5);
        QTest::keyClick(bar, Qt::Key_Space);
        const int held = window.currentFrame()->frame;
        QTest::qWait(80);
        QCOMPARE(window.currentFrame()->frame, held);
        QVERIFY(window.flightRunning());

        // Back through what was recorded; the posture bar keeps its value.
        QTest::keyClick(bar, Qt::Key_PageUp);
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(window.currentFrame()->frame, held - 2);
        QVERIFY(SameFigure(canvas->figure(), ModelFlight(6, 60, {1}, Model(model))[held - 3]));
        const QString time = QLocale(QLocale::German).toString((held - 3) / 17.0, 'f', 2);
        QVERIFY(canvas->dataPanelLines().contains(QStringLiteral("Zeit: %1 s").arg(time)));
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(window.currentFrame()->frame, 1);
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(window.currentFrame()->frame, held);
        QTest::keyClick(bar, Qt::Key_PageDown); // never beyond the newest frame
        QCOMPARE(window.currentFrame()->frame, held);
        QTest::keyClick(bar, Qt::Key_PageUp);

        // The right arrow still tucks for the next frame; Space resumes from the newest frame.
        QTest::keyClick(bar, Qt::Key_Right);
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QTest::keyClick(bar, Qt::Key_Space);
        QCOMPARE(window.currentFrame()->frame, held);
        QTRY_COMPARE(finished.count(), 1);
        const std::vector<int> postures = window.lastFlight()->postures();
        QCOMPARE(postures[std::size_t(held)], 2);
        QCOMPARE(FlightCsv(window.lastFlight()->frames, Model(model)),
                 FlightCsv(ModelFlight(6, 60, postures, Model(model)), Model(model)));

        // After the flight the wheel steps too: towards the user forward, away back.
        const std::vector<FrameResult>& recorded = window.lastFlight()->frames;
        Wheel(canvas, 120);
        QCOMPARE(window.currentFrame()->frame, int(recorded.size()) - 1);
        QVERIFY(SameFigure(canvas->figure(), recorded[recorded.size() - 2]));
        Wheel(canvas, -120);
        QCOMPARE(window.currentFrame()->frame, int(recorded.size()));
    }

    // Six quick presses of the right arrow within one frame: the posture chosen is the full tuck
    // at once, and the figure drawn reaches it over several frames, as muscles move limbs.
    void sixQuickPressesTuckOverSeveralFrames() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(15);
        QVERIFY(ShowWhole(window));
        window.setModel(Model::Exact);
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_VERIFY(frames.count() >= 3);
        QTest::keyClick(bar, Qt::Key_Space);
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(bar, Qt::Key_Right);
        }
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QTest::keyClick(bar, Qt::Key_Space);
        QTRY_COMPARE(finished.count(), 1);
        const std::vector<FrameResult>& recorded = window.lastFlight()->frames;
        const auto tucked = std::find_if(recorded.begin(), recorded.end(),
                                         [](const FrameResult& f) { return f.posture == 7; });
        QVERIFY(tucked != recorded.end());
        const std::size_t first = std::size_t(tucked - recorded.begin());
        const LimbDegrees full = LimbDegreesFor(7);
        std::size_t reached = first;
        while (reached < recorded.size() && !(recorded[reached].shape == full)) {
            // On the way the thigh only ever comes closer to the tuck.
            const auto left = [&full](const FrameResult& f) {
                return std::abs(f.shape.thighDeg - full.thighDeg);
            };
            QVERIFY(reached == first || left(recorded[reached]) < left(recorded[reached - 1]));
            ++reached;
        }
        QVERIFY2(reached < recorded.size(), "the full tuck is reached before the landing");
        QVERIFY2(reached - first >= 3, "not within one or two frames");
        // The canvas shows each frame's reached shape when stepped to it.
        canvas->setFocus();
        QTest::keyClick(bar, Qt::Key_Home);
        for (std::size_t i = 1; i <= first + 1; ++i) {
            QTest::keyClick(bar, Qt::Key_PageDown);
        }
        QCOMPARE(window.currentFrame()->frame, int(first) + 2);
        QVERIFY(SameFigure(canvas->figure(), recorded[first + 1]));
        QVERIFY(!(recorded[first + 1].shape == full));
    }

    void unpausedTheSteppingKeysAreThePostureBars() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(30);
        QVERIFY(ShowWhole(window));
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_VERIFY(frames.count() >= 1);
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(bar->value(), 7);
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(bar->value(), 6);
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 10000));
    }

    void clicksAndTapsOnThePicturesKeysTuckAndStretch_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("touch");
        QTest::newRow("full size, mouse") << QSize(1097, 777) << false;
        QTest::newRow("full size, finger") << QSize(1097, 777) << true;
        QTest::newRow("scale 1.39, mouse") << QSize(1525, 1080) << false;
        QTest::newRow("scale 1.39, finger") << QSize(1525, 1080) << true;
    }
    void clicksAndTapsOnThePicturesKeysTuckAndStretch() {
        QFETCH(QSize, client);
        QFETCH(bool, touch);
        PurzoWindow window;
        window.setPauseOverrideForTesting(40);
        window.resize(client);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* picture = Control<QLabel>(window, "Picture2");
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        const double s = window.scale();
        // Touches find their window by the screen position: bring the picture onto the small
        // offscreen screen.
        const QRect screen = window.screen()->geometry();
        window.move(window.pos() + screen.center() -
                    picture->mapToGlobal(picture->rect().center()));
        QTRY_VERIFY(screen.contains(picture->mapToGlobal(picture->rect().center())));
        // The keys' centres in the designed picture: left (27, 73), right (117, 73), up (72, 28).
        auto at = [picture, s](double x, double y) {
            return (QPointF(picture->contentsRect().topLeft()) + QPointF(x, y) * s).toPoint();
        };
        std::unique_ptr<QPointingDevice> panel(QTest::createTouchDevice());
        auto press = [&](QPoint point) {
            if (touch) {
                QTest::touchEvent(picture, panel.get()).press(0, point);
                QTest::touchEvent(picture, panel.get()).release(0, point);
            } else {
                QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, point);
            }
        };
        press(at(117, 73)); // before any flight: nothing
        QCOMPARE(bar->value(), 1);
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_VERIFY(frames.count() >= 1);
        window.findChild<QWidget*>(QStringLiteral("HScroll1"))->setFocus();
        QTest::keyClick(bar, Qt::Key_Space); // held, so that the frames wait for the taps
        for (int i = 0; i < 3; ++i) {
            press(at(117, 73));
        }
        QCOMPARE(bar->value(), 4);
        if (!touch) {
            // Clicked quickly twice, as a window system delivers it: a press, then a double
            // click in place of the second press. Two steps.
            auto doubleClick = [&](QPoint point) {
                QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, point);
                QMouseEvent second(QEvent::MouseButtonDblClick, point, picture->mapToGlobal(point),
                                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(picture, &second);
            };
            doubleClick(at(117, 73));
            QCOMPARE(bar->value(), 6);
            doubleClick(at(27, 73));
            QCOMPARE(bar->value(), 4);
        }
        press(at(27, 73));
        QCOMPARE(bar->value(), 3);
        QCOMPARE(window.focusWidget(), bar); // the flight's keys stay with the posture bar
        press(at(72, 28));                   // the up key
        press(at(72, 120));                  // the words below the keys
        QCOMPARE(bar->value(), 3);
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QTest::keyClick(bar, Qt::Key_Space);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(window.lastFlight()->postures().back(), 3);
    }

    void aLongPressOnTheCanvasOpensTheMenu_data() {
        QTest::addColumn<bool>("touch");
        QTest::newRow("mouse or pen") << false;
        QTest::newRow("finger") << true;
    }
    void aLongPressOnTheCanvasOpensTheMenu() {
        QFETCH(bool, touch);
        PurzoWindow window;
        QVERIFY(ShowWhole(window));
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QMenu* menu = window.lessonMenu()->menu();
        const QPoint point = canvas->rect().center();
        std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        // A short press does nothing.
        if (touch) {
            QTest::touchEvent(canvas, screen.get()).press(0, point);
            QTest::qWait(100);
            QTest::touchEvent(canvas, screen.get()).release(0, point);
        } else {
            QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, point);
        }
        QTest::qWait(700);
        QVERIFY(!menu->isVisible());
        if (touch) {
            QTest::touchEvent(canvas, screen.get()).press(0, point);
        } else {
            QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, point);
        }
        QTRY_VERIFY(menu->isVisible());
        // Lifting the finger over the entry that opened under it clicks nothing.
        QAction* first = menu->actions().first();
        if (touch) {
            QTest::touchEvent(canvas, screen.get()).release(0, point);
        } else {
            QTest::mouseRelease(menu, Qt::LeftButton, Qt::NoModifier,
                                menu->actionGeometry(first).center());
        }
        QVERIFY(menu->isVisible());
        QVERIFY(!first->isChecked());
        // The next click chooses as ever.
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                          menu->actionGeometry(first).center());
        QTRY_VERIFY(first->isChecked());
        menu->close();
    }

    // The visible way into the menu: in the canvas's lower right corner at every size, opened
    // by a click or by the keyboard.
    void theToolsButtonOpensTheMenu_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("designed") << QSize();
        QTest::newRow("twice") << QSize(2 * 1097, 2 * 777);
    }
    void theToolsButtonOpensTheMenu() {
        QFETCH(QSize, size);
        PurzoWindow window;
        QVERIFY(ShowWhole(window));
        if (size.isValid()) {
            window.resize(size);
        }
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        auto* button = canvas->findChild<QToolButton*>(QStringLiteral("ToolsButton"));
        QVERIFY(button && button->isVisible());
        const QRect inside = canvas->contentsRect();
        QTRY_VERIFY(inside.contains(button->geometry()));
        QVERIFY(button->geometry().right() > inside.right() - button->width() / 2);
        QVERIFY(button->geometry().bottom() > inside.bottom() - button->height());
        QMenu* menu = window.lessonMenu()->menu();
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }

    // A screen reader reads the canvas's description: the frame when the flight stands still,
    // and after the landing its verdict; never a stale frame while it flies.
    void canvasDescriptionFollowsTheStillFrame() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(15);
        QVERIFY(ShowWhole(window));
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        auto description = [canvas] {
            return QAccessible::queryAccessibleInterface(canvas)->text(QAccessible::Description);
        };
        const QString idle = description();
        QVERIFY(!idle.contains(QStringLiteral("Bild")));
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_VERIFY(frames.count() >= 4);
        QCOMPARE(description(), idle);
        QTest::keyClick(bar, Qt::Key_Space);
        const int held = window.currentFrame()->frame;
        QVERIFY(description().startsWith(QStringLiteral("Bild %1, ").arg(held)));
        QVERIFY(description().contains(QStringLiteral("Haltung 1 gestreckt")));
        QTest::keyClick(bar, Qt::Key_PageUp);
        QVERIFY(description().startsWith(QStringLiteral("Bild %1, ").arg(held - 1)));
        QTest::keyClick(bar, Qt::Key_Space);
        QTRY_VERIFY(!window.flightRunning());
        QCOMPARE(description(), QStringLiteral("Bild 18, 1,00 s: Höhe 1,09 m, Drehung 180°, "
                                               "Haltung 1 gestreckt. Keine Landung auf den Füßen: "
                                               "zuerst Hand, 180° über 0 Salti"));
        // The next flight starts without the last one's landing.
        window.setPauseOverrideForTesting(400);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_COMPARE(description(), idle);
    }

    // As the page's live region does: the take-off, the highest point with the rotation there,
    // and the landing with its verdict, each once, in that order, each as an accessibility alert.
    void theFlightIsAnnouncedAsItHappens() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        auto* flight = Control<CanvasWidget>(window, "Picture1")->findChild<AccessibleFlight*>();
        QSignalSpy spy(flight, &AccessibleFlight::announced);
        purzo::test::Fly(window);
        QStringList said;
        for (const QList<QVariant>& args : spy) {
            said << args.first().toString();
        }
        const std::vector<FrameResult>& frames = window.lastFlight()->frames;
        std::size_t top = 0;
        while (top + 1 < frames.size() && frames[top + 1].pathY < frames[top].pathY) {
            ++top;
        }
        QCOMPARE(
            said,
            (QStringList{
                QStringLiteral("Absprung: 6 m/s, 60°"),
                QStringLiteral("Höchster Punkt: %1 m, %2° gedreht")
                    .arg(QLocale(QLocale::German)
                             .toString(FrameValueOf(Quantity::Height, frames[top]), 'f', 2))
                    .arg(std::lround(frames[top].rotationDeg)),
                QStringLiteral("Gelandet. ") + Control<QLabel>(window, "VerdictLine")->text()}));
    }

    void spaceOnAButtonStillClicksIt() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        auto* start = Control<QPushButton>(window, "Start");
        start->setFocus();
        QSignalSpy started(&window, &PurzoWindow::flightStarted);
        QTest::keyClick(start, Qt::Key_Space);
        QCOMPARE(started.count(), 1);
        // And without a flight, Space and the stepping keys on the canvas do nothing.
        PurzoWindow idle;
        QVERIFY(ShowWhole(idle));
        auto* canvas = Control<CanvasWidget>(idle, "Picture1");
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End}) {
            QTest::keyClick(canvas, key);
        }
        Wheel(canvas, 120);
        QVERIFY(!idle.currentFrame());
        QVERIFY(!canvas->figure());
    }
};

QTEST_MAIN(WindowSteppingTest)
#include "test_window_stepping.moc"
