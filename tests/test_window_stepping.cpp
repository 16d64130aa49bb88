// SPDX-License-Identifier: MIT
// Pause and step as a teacher works them: Space, Page Up and Down, Home and End and the wheel on
// the canvas; the canvas shows the recorded frame, and buttons keep their Space.
#include "flight/csv_writer.h"
#include "window/canvas_widget.h"
#include "window/lesson_menu.h"
#include "window_fixture.h"

#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace purzo;
using purzo::test::Control;
using purzo::test::ModelFlight;
using purzo::test::ShowWhole;

namespace {

bool SameFigure(const std::optional<DrawnFigure>& shown, const FrameResult& frame) {
    if (!shown) {
        return false;
    }
    const DrawnFigure expected = ToDrawn(frame.figure, 4.5);
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
