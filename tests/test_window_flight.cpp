// SPDX-License-Identifier: MIT
// Flights through the window: the take-off check, the frames on the canvas, the arrow keys,
// Start during a flight, and ending the program while the figure flies.
#include "flight/frame_step.h"
#include "window/purzo_window.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <vector>

using namespace purzo;
using purzo::test::Control;
using purzo::test::ModelFlight;
using purzo::test::ShowWhole;

namespace {

void Type(PurzoWindow& window, const char* box, const QString& text) {
    auto* edit = Control<QLineEdit>(window, box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

bool IsInk(QRgb pixel) {
    return qRed(pixel) < 70 && qGreen(pixel) < 70 && qBlue(pixel) < 70;
}

// Samples along a drawn line where it lies inside the canvas; returns how many hit ink.
int InkAlong(const QImage& image, const CanvasWidget& canvas, const CanvasLine& line,
             int& samples) {
    int hits = 0;
    samples = 0;
    for (double t = 0.25; t <= 0.751; t += 0.05) {
        const QPointF c(line.x1 + t * (line.x2 - line.x1), line.y1 + t * (line.y2 - line.y1));
        if (c.x() < 1 || c.x() > 199 || c.y() < 1 || c.y() > 149) {
            continue;
        }
        const QPoint p = canvas.toWidget(c).toPoint();
        ++samples;
        hits += IsInk(image.pixel(p)) ? 1 : 0;
    }
    return hits;
}

} // namespace

class WindowFlightTest : public QObject {
    Q_OBJECT
private slots:
    void drawnFigureIsThePointsInSinglePrecision() {
        Flight flight = StartFlight(ComputeFlightParameters(6, 60));
        const FrameResult r = RunFrame(flight, 1);
        const Figure& f = r.figure;
        const DrawnFigure drawn = ToDrawn(f);
        QCOMPARE(drawn[BodyPart::Trunk].x1, float(f.hip().x));
        QCOMPARE(drawn[BodyPart::Trunk].y2, float(f.shoulder().y));
        QCOMPARE(drawn[BodyPart::UpperArm].x1, float(f.shoulder().x));
        QCOMPARE(drawn[BodyPart::Forearm].x2, float(f.hand().x));
        QCOMPARE(drawn[BodyPart::Thigh].y2, float(f.knee().y));
        QCOMPARE(drawn[BodyPart::Shank].y2, float(f.foot().y));
        QCOMPARE(drawn[BodyPart::Neck].y2, float(f.neckEnd().y));
        QCOMPARE(drawn.head.x, float(f.head.x));
        QCOMPARE(drawn.head.y, float(f.head.y));
        QCOMPARE(drawn.head.radius, 4.5f);
    }

    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    void outOfRangeSpeedBeepsOnceAndResetsBoth() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        QSignalSpy beeps(&window, &PurzoWindow::beepSounded);
        Type(window, "Text1", "9");
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QCOMPARE(beeps.count(), 1);
        QCOMPARE(Control<QLineEdit>(window, "Text1")->text(), QStringLiteral("5"));
        QCOMPARE(Control<QLineEdit>(window, "Text2")->text(), QStringLiteral("50"));
        QVERIFY(Control<QLabel>(window, "Label19")->isVisible());
        // The bars follow the replaced texts.
        QCOMPARE(Control<QScrollBar>(window, "HScroll_geschw")->value(), 5);
        QCOMPARE(Control<QScrollBar>(window, "HScroll_angle")->value(), 50);
        QCOMPARE(window.flightParameters().takeoffSpeed, 5.0);
        QCOMPARE(window.flightParameters().takeoffAngle, 50.0);
        QTRY_VERIFY(!window.flightRunning());
        QCOMPARE(window.currentFrame()->frame, 15);
        QVERIFY(Control<QLabel>(window, "Label19")->isVisible());    // stays after the flight
        QVERIFY(Control<QLabel>(window, "VerdictLine")->isHidden()); // and keeps its place
    }

    // Start leaves the last frame on the canvas until the new flight's first frame replaces it.
    void startKeepsTheLastFrameUntilTheFirstNewOne() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_VERIFY(!window.flightRunning());
        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        const DrawnFigure landed = *canvas->figure();
        window.setPauseOverrideForTesting(400);
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QCOMPARE(frames.count(), 0);
        QCOMPARE(canvas->figure()->head.x, landed.head.x);
        QCOMPARE(canvas->figure()->head.y, landed.head.y);
        QVERIFY(frames.wait(5000));
        QVERIFY(canvas->figure()->head.x != landed.head.x);
    }

    // Under the canvas after the landing, gone while the next flight flies.
    void verdictLineAfterTheLanding_data() {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("classic, onto the hand")
            << "60" << int(Model::Classic)
            << "Keine Landung auf den Füßen: zuerst Hand, 180° über 0 Salti";
        QTest::newRow("exact, onto the hand")
            << "60" << int(Model::Exact)
            << "Keine Landung auf den Füßen: zuerst Hand, 177° über 0 Salti";
    }
    void verdictLineAfterTheLanding() {
        QFETCH(QString, angle);
        QFETCH(int, model);
        QFETCH(QString, verdict);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.setModel(Model(model));
        Type(window, "Text2", angle);
        auto* line = Control<QLabel>(window, "VerdictLine");
        QVERIFY(line->isHidden());
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QVERIFY(line->isHidden());
        QTRY_VERIFY(!window.flightRunning());
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), verdict);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QVERIFY(line->isHidden());
        QTRY_VERIFY(line->isVisible());
    }

    void outOfRangeAngleWarnsWithoutABeep() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        QSignalSpy beeps(&window, &PurzoWindow::beepSounded);
        Type(window, "Text2", "85");
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QCOMPARE(beeps.count(), 0);
        QCOMPARE(Control<QLineEdit>(window, "Text1")->text(), QStringLiteral("5"));
        QCOMPARE(Control<QLineEdit>(window, "Text2")->text(), QStringLiteral("50"));
        QVERIFY(Control<QLabel>(window, "Label19")->isVisible());
        QCOMPARE(Control<QScrollBar>(window, "HScroll_geschw")->value(), 5);
        QCOMPARE(Control<QScrollBar>(window, "HScroll_angle")->value(), 50);
        QTRY_VERIFY(!window.flightRunning());
        // The next good start hides the warning again.
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QVERIFY(Control<QLabel>(window, "Label19")->isHidden());
        QTRY_VERIFY(!window.flightRunning());
    }

    void paceFollowsTheOptionButtons_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("Echtzeit") << "Option1" << 59;
        QTest::newRow("Zeitlupe") << "Option2" << 118;
        QTest::newRow("Extrem-Zeitlupe") << "Option3" << 235;
    }
    void paceFollowsTheOptionButtons() {
        QFETCH(QString, option);
        QFETCH(int, delayMs);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        auto* button = window.findChild<QRadioButton*>(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QVERIFY(button->isChecked());
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QCOMPARE(window.frameDelayMs(), delayMs);
        QTRY_VERIFY(!window.flightRunning());
    }

    void flightOf5At50EndsAfter15FramesWithTheModelsFigure() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(2);
        QVERIFY(ShowWhole(window));
        Type(window, "Text1", "5");
        Type(window, "Text2", "50");
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QVERIFY(window.flightRunning());
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 15);
        QCOMPARE(frames.count(), 15);
        for (int i = 0; i < frames.count(); ++i) {
            QCOMPARE(frames.at(i).at(0).toInt(), i + 1);
        }

        const std::vector<FrameResult> expected = ModelFlight(5, 50);
        const FrameResult& last = *window.currentFrame();
        QCOMPARE(last.rotationDeg, expected.back().rotationDeg);
        QCOMPARE(last.lowestPointY, expected.back().lowestPointY);
        QVERIFY(last.landed);

        auto* canvas = Control<CanvasWidget>(window, "Picture1");
        QVERIFY(canvas->figure().has_value());
        const QImage image = canvas->grab().toImage();
        // The hand lies just below the ground line; the arm reaching for it, and the rest of the
        // figure, are drawn in black where the model put them.
        int inkedSamples = 0;
        for (std::size_t segment = 0; segment < kSegmentCount; ++segment) {
            int samples = 0;
            const int hits = InkAlong(image, *canvas, ToDrawn(last.figure).lines[segment], samples);
            QVERIFY2(hits * 10 >= samples * 8,
                     qPrintable(QStringLiteral("segment %1: %2 of %3 samples inked")
                                    .arg(segment)
                                    .arg(hits)
                                    .arg(samples)));
            inkedSamples += hits;
        }
        QVERIFY(inkedSamples >= 20);
        int armSamples = 0;
        QVERIFY(InkAlong(image, *canvas, ToDrawn(last.figure)[BodyPart::UpperArm], armSamples) >=
                3);
        // Far from the figure the sports hall shows through.
        QVERIFY(!IsInk(image.pixel(canvas->toWidget({180, 20}).toPoint())));

        // The last frame stays, also after the system repaints the canvas.
        canvas->repaint();
        QCOMPARE(canvas->grab().toImage(), image);
        QTest::qWait(30);
        QCOMPARE(frames.count(), 15);
    }

    void firstFrameComesAfterOnePause() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(40);
        QVERIFY(ShowWhole(window));
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QCOMPARE(frames.count(), 0);
        QVERIFY(QApplication::focusWidget() == Control<QWidget>(window, "HScroll1"));
        QTRY_COMPARE(frames.count(), 1);
        window.close();
    }

    void arrowKeysDuringAFlightChangeTheNextFrame() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(60);
        QVERIFY(ShowWhole(window));
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        bar->setValue(5); // an earlier flight's posture; the start sets it back
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QCOMPARE(bar->value(), 1);
        // Pressed right after the click, before the first frame.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTRY_COMPARE(frames.count(), 1);
        QCOMPARE(window.currentFrame()->posture, 2);
        QCOMPARE(window.currentFrame()->rotationDeg, double(13));
        // Pressed during the pause after frame 1: frame 2 shows it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTRY_COMPARE(frames.count(), 2);
        QCOMPARE(window.currentFrame()->posture, 4);
        QCOMPARE(window.currentFrame()->rotationDeg, double(13 + 21));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTRY_COMPARE(frames.count(), 3);
        QCOMPARE(window.currentFrame()->posture, 3);
        QCOMPARE(window.currentFrame()->rotationDeg, double(13 + 21 + 17));
        window.close();
    }

    void focusReturnsToThePostureBarEveryFrame() {
        PurzoWindow window;
        // Long enough that a slow machine (the sanitizers) sees the frames one by one.
        window.setPauseOverrideForTesting(150);
        QVERIFY(ShowWhole(window));
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_COMPARE(frames.count(), 1);
        Control<QLineEdit>(window, "Text2")->setFocus();
        const int before = frames.count();
        QTRY_VERIFY(frames.count() > before);
        QVERIFY(window.flightRunning());
        QCOMPARE(QApplication::focusWidget(), Control<QWidget>(window, "HScroll1"));
        // Moving a parameter bar during the flight changes only the next flight.
        Control<QScrollBar>(window, "HScroll_geschw")->setValue(8);
        QCOMPARE(Control<QLineEdit>(window, "Text1")->text(), QStringLiteral("8"));
        QCOMPARE(window.flightParameters().takeoffSpeed, 6.0);
        window.close();
    }

    void startDuringAFlightRestartsIt() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(20);
        QVERIFY(ShowWhole(window));
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QSignalSpy started(&window, &PurzoWindow::flightStarted);
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        auto* start = Control<QPushButton>(window, "Start");
        bool restarted = false;
        connect(
            &window, &PurzoWindow::frameShown, this,
            [&](int frame) {
                if (frame == 3 && !restarted) {
                    restarted = true;
                    Type(window, "Text1", "4");
                    Type(window, "Text2", "30");
                    QTest::mouseClick(start, Qt::LeftButton);
                }
            },
            Qt::QueuedConnection);
        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_COMPARE(finished.count(), 1);
        QTest::qWait(100);
        QCOMPARE(started.count(), 2);
        QCOMPARE(finished.count(), 1); // the first flight never resumes
        // Three frames of the first flight, then the two of 4 m/s at 30°.
        QCOMPARE(frames.count(), 5);
        QCOMPARE(frames.at(3).at(0).toInt(), 1);
        QCOMPARE(window.currentFrame()->frame, 2);
        QCOMPARE(window.flightParameters().takeoffSpeed, 4.0);
    }

    void endeDuringAFlightEndsTheProgram() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(20);
        QVERIFY(ShowWhole(window));
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        auto* ende = Control<QPushButton>(window, "Ende");
        connect(
            &window, &PurzoWindow::frameShown, this,
            [&](int frame) {
                if (frame == 2) {
                    QTest::mouseClick(ende, Qt::LeftButton);
                }
            },
            Qt::QueuedConnection);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(!window.flightRunning());
        QTest::qWait(100);
        QCOMPARE(frames.count(), 2);
    }

    void closingDuringAFlightStopsIt() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(20);
        QVERIFY(ShowWhole(window));
        QSignalSpy frames(&window, &PurzoWindow::frameShown);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
        QTRY_COMPARE(frames.count(), 2);
        QVERIFY(window.close());
        QVERIFY(!window.flightRunning());
        QTest::qWait(100);
        QCOMPARE(frames.count(), 2);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Closing the last window must not end the test run itself.
    QApplication::setQuitOnLastWindowClosed(false);
    WindowFlightTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_window_flight.moc"
