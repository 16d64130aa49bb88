// SPDX-License-Identifier: MIT
// A tuck plan as a group works it: the dialog offers what this take-off allows and refuses a
// prediction that is no number; the flight flies the plan whatever the keys do, and the log
// keeps the plan and the prediction beside the result.
#include "flight/flight_log.h"
#include "flight/whole_flight.h"
#include "window/lesson/lesson_log.h"
#include "window/lesson/tuck_plan_dialog.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace purzo;
using purzo::test::Control;
using purzo::test::SetTexts;

class WindowPlanTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { purzo::test::UseProgramLook(); }

    // The start goes up to the stretched flight's touchdown, the length to the longest flight.
    void theDialogOffersWhatTheTakeoffAllows_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("model");
        QTest::newRow("6 m/s, 70°, exact") << 6.0 << 70.0 << int(Model::Exact);
        QTest::newRow("4 m/s, 30°, classic") << 4.0 << 30.0 << int(Model::Classic);
    }
    void theDialogOffersWhatTheTakeoffAllows() {
        QFETCH(double, speed);
        QFETCH(double, angle);
        QFETCH(int, model);
        const FlightParameters params = ComputeFlightParameters(speed, angle);
        const int touchdown = int(RunWholeFlight(params, {}, Model(model)).size());
        TuckPlanDialog dialog(params, Model(model), kStandardAthlete, {99, 99, 7});
        QCOMPARE(dialog.startField()->minimum(), 2);
        QCOMPARE(dialog.startField()->maximum(), touchdown);
        QCOMPARE(dialog.startField()->value(), touchdown); // the last plan, held in range
        QVERIFY(dialog.lengthField()->maximum() >= touchdown);
        QCOMPARE(dialog.plan().depth, 7);
        dialog.depthField()->setCurrentIndex(0);
        QCOMPARE(dialog.plan().depth, 5);
    }

    void aPredictionMustBeANumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("degrees"); // -1: refused
        QTest::newRow("degrees") << "397,5" << 0 << 397.5;
        QTest::newRow("turns") << "1.5" << 1 << 540.0;
        QTest::newRow("a word") << "ein Salto" << 0 << -1.0;
        QTest::newRow("negative") << "-90" << 0 << -1.0;
        QTest::newRow("eleven turns") << "11" << 1 << -1.0;
        QTest::newRow("empty") << "" << 0 << -1.0;
    }
    void aPredictionMustBeANumber() {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(double, degrees);
        TuckPlanDialog dialog(ComputeFlightParameters(6, 70), Model::Exact, kStandardAthlete,
                              {3, 6, 7});
        dialog.predictField()->setChecked(true);
        dialog.verdictField()->setCurrentIndex(1);
        dialog.rotationField()->setText(text);
        dialog.unitField()->setCurrentIndex(unit);
        dialog.accept();
        if (degrees < 0) {
            QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open
            QVERIFY(!dialog.message()->isHidden());
            QVERIFY(dialog.message()->text().contains(QLatin1String("3600")));
        } else {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.prediction()->rotationDeg, degrees);
            QCOMPARE(dialog.prediction()->verdict, Verdict::TooFar);
        }
    }

    // A posture list instead of the three fields, as purzo-trace --postures takes it.
    void aPostureListIsAPlan_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("postures"); // empty: refused
        QTest::newRow("a tuck and back") << "1,1,7,7,7,1" << "1,1,7,7,7,1";
        QTest::newRow("blanks") << " 1, 5 ,6" << "1,5,6";
        QTest::newRow("posture 8") << "1,8" << "";
        QTest::newRow("a word") << "gehockt" << "";
        QTest::newRow("a trailing comma") << "1,7," << "";
    }
    void aPostureListIsAPlan() {
        QFETCH(QString, text);
        QFETCH(QString, postures);
        TuckPlanDialog dialog(ComputeFlightParameters(6, 70), Model::Exact, kStandardAthlete,
                              {3, 6, 7});
        dialog.postureListField()->setText(text);
        QVERIFY(!dialog.startField()->isEnabled());
        dialog.accept();
        if (postures.isEmpty()) {
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(dialog.message()->text().contains(QLatin1String("1 bis 7")));
            return;
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QStringList flown;
        for (const int p : dialog.plan().postures) {
            flown << QString::number(p);
        }
        QCOMPARE(flown.join(','), postures);
    }

    // The arrow keys pressed all through the flight change nothing: the plan chose each frame.
    void aPlannedFlightIsItsPlan() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        window.setModel(Model::Exact);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SetTexts(window, QStringLiteral("6"), QStringLiteral("70"));
        auto* bar = Control<QScrollBar>(window, "HScroll1");
        QObject::connect(&window, &PurzoWindow::frameShown, &window, [&window, bar] {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                            Qt::Key_Right);
            bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        });
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        const TuckPlan plan{3, 6, 6};
        window.flyPlan(plan, Prediction{Verdict::Upright, 360});
        QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 10000));
        const std::vector<FrameResult> expected =
            RunWholeFlight(ComputeFlightParameters(6, 70), PlanPostures(plan), Model::Exact);
        const FlightRecord& flown = *window.lastFlight();
        QCOMPARE(flown.frames.size(), expected.size());
        QCOMPARE(flown.frames.back().rotationDeg, expected.back().rotationDeg);
        const LoggedFlight& logged = window.lessonLog()->log().flights().back();
        QCOMPARE(logged.record.plan, std::optional<TuckPlan>(plan));
        QCOMPARE(logged.record.prediction->rotationDeg, 360.0);
        QVERIFY(bar->isEnabled()); // the bar is the students' again

        // Start flies by hand again: the keys count.
        QSignalSpy again(&window, &PurzoWindow::flightFinished);
        window.startFlight();
        QVERIFY(QTest::qWaitFor([&] { return again.count() == 1; }, 10000));
        QVERIFY(!window.lastFlight()->plan);
        QVERIFY(window.lastFlight()->postures() != PlanPostures(plan));
    }
};

QTEST_MAIN(WindowPlanTest)
#include "test_window_plan.moc"
