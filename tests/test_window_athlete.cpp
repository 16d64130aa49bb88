// SPDX-License-Identifier: MIT
// The athlete in the window: the dialog's fields, the remembered values, and a flight with her.
#include "flight/whole_flight.h"
#include "window/controls/athlete_dialog.h"
#include "window/controls/lesson_menu.h"
#include "window/remembered_choices.h"
#include "window/view/canvas_widget.h"
#include "window_fixture.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace purzo;
using namespace purzo::test;

class WindowAthleteTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        FailOnWarnings();
        UseProgramLook();
    }

    void fieldsTakeWhatIsInRange_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("shown"); // what the field holds afterwards
        QTest::newRow("mass with a comma") << 0 << "52,5" << true << "52,5";
        QTest::newRow("height with a period") << 1 << "1.65" << true << "1.65";
        QTest::newRow("least spin") << 2 << "0" << true << "0";
        QTest::newRow("mass too heavy") << 0 << "151" << false << "50";
        QTest::newRow("height in centimetres") << 1 << "165" << false << "1,60";
        QTest::newRow("spin not a number") << 2 << "schnell" << false << "170";
        QTest::newRow("spin empty") << 2 << "" << false << "170";
        QTest::newRow("spin past 400") << 2 << "401" << false << "170";
        QTest::newRow("slowest limbs") << 3 << "4" << true << "4";
        QTest::newRow("limbs with a comma") << 3 << "12,5" << true << "12,5";
        QTest::newRow("limbs too slow") << 3 << "3,9" << false << "12";
        QTest::newRow("limbs too fast") << 3 << "31" << false << "12";
        QTest::newRow("limbs inf") << 3 << "inf" << false << "12";
        QTest::newRow("limbs with a unit") << 3 << "12 rad/s" << false << "12";
    }
    void fieldsTakeWhatIsInRange() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        QFETCH(QString, shown);
        const Athlete before{50, 1.6, 170};
        AthleteDialog dialog(before);
        QCOMPARE(dialog.field(1)->text(), QStringLiteral("1,60"));
        dialog.field(field)->setText(typed);
        emit dialog.field(field)->editingFinished();
        QCOMPARE(dialog.message(field)->isHidden(), taken);
        if (taken) {
            QCOMPARE(dialog.field(field)->text(), typed);
            QVERIFY(dialog.athlete() != before);
        } else {
            QCOMPARE(dialog.field(field)->text(), shown);
            QCOMPARE(dialog.athlete(), before);
            // The message names the range.
            const QString range = field == 0   ? "20 bis 150"
                                  : field == 1 ? "1 bis 2,2"
                                  : field == 2 ? "0 bis 400"
                                               : "4 bis 30";
            QVERIFY2(dialog.message(field)->text().contains(range),
                     qPrintable(dialog.message(field)->text()));
        }
        // "Standard" puts back the standard athlete.
        dialog.findChild<QPushButton*>(QStringLiteral("standardButton"))->click();
        QCOMPARE(dialog.athlete(), kStandardAthlete);
        QCOMPARE(dialog.field(0)->text(), QStringLiteral("70"));
        QVERIFY(dialog.message(field)->isHidden());
    }

    // A refusal of a long paste is read whole: every line of the message inside the dialog.
    void aLongRefusedTextLeavesTheMessageWhole_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("digits without a break") << QString(80, '7');
        QTest::newRow("a sentence") << "zu schwer für diese Stunde, bitte nachfragen";
    }
    void aLongRefusedTextLeavesTheMessageWhole() {
        QFETCH(QString, typed);
        AthleteDialog dialog(kStandardAthlete);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const int widthBefore = dialog.width();
        dialog.field(0)->setText(typed);
        emit dialog.field(0)->editingFinished();
        QLabel* message = dialog.message(0);
        QVERIFY(!message->isHidden());
        QTRY_VERIFY(message->height() >= message->heightForWidth(message->width()));
        QVERIFY(dialog.rect().contains(message->geometry()));
        QCOMPARE(dialog.width(), widthBefore);
    }

    // A refused value corrected, then OK clicked straight away: leaving the field takes the
    // message away, and OK must still be where the pointer went.
    void okStaysPutWhenACorrectedFieldIsLeft() {
        AthleteDialog dialog(kStandardAthlete);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.field(0)->setText(QStringLiteral("300"));
        emit dialog.field(0)->editingFinished();
        QTRY_VERIFY(dialog.message(0)->isVisible());
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        const QPoint before = ok->mapTo(&dialog, QPoint(0, 0));
        dialog.field(0)->setText(QStringLiteral("60"));
        emit dialog.field(0)->editingFinished();
        QVERIFY(dialog.message(0)->isHidden());
        QApplication::processEvents();
        QCOMPARE(ok->mapTo(&dialog, QPoint(0, 0)), before);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.athlete().massKg, 60.0);
    }

    void okWithARefusedFieldKeepsTheDialogOpen() {
        AthleteDialog dialog(kStandardAthlete);
        dialog.field(0)->setText(QStringLiteral("19"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.message(0)->isHidden());
        QCOMPARE(dialog.athlete(), kStandardAthlete);
    }

    void rememberedValuesOutOfRangeAreTheStandard() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("purzo.conf"));
        {
            QSettings settings(file, QSettings::IniFormat);
            settings.setValue(QStringLiteral("athlete/massKg"), 500);
            settings.setValue(QStringLiteral("athlete/heightM"), QStringLiteral("1.5"));
            settings.setValue(QStringLiteral("athlete/spinDegPerS"), QStringLiteral("viel"));
            settings.setValue(QStringLiteral("athlete/limbSpeedRadPerS"), 40);
        }
        const Athlete loaded = LoadChoices(file).athlete;
        QCOMPARE(loaded.massKg, 70.0);
        QCOMPARE(loaded.bodyHeightM, 1.5);
        QCOMPARE(loaded.spinDegPerS, 170.0);
        QCOMPARE(loaded.limbSpeedRadPerS, 12.0);
        // Chosen in one start, there in the next.
        {
            PurzoWindow window;
            window.rememberChoicesIn(file);
            QCOMPARE(window.lessonMenu()->athlete(), loaded);
            window.lessonMenu()->setAthlete({90, 1.95, 300, 7.5});
        }
        PurzoWindow again;
        again.rememberChoicesIn(file);
        QCOMPARE(again.lessonMenu()->athlete(), (Athlete{90, 1.95, 300, 7.5}));
        again.lessonMenu()->resetToolsAction()->trigger();
        QCOMPARE(again.lessonMenu()->athlete(), kStandardAthlete);
    }

    void aFlightWithTheAthleteShowsHer_data() {
        QTest::addColumn<bool>("exact");
        QTest::newRow("exact") << true;
        QTest::newRow("classic ignores her") << false;
    }
    void aFlightWithTheAthleteShowsHer() {
        QFETCH(bool, exact);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(ShowWhole(window));
        window.lessonMenu()->dataAction()->trigger();
        (exact ? window.lessonMenu()->exactModelAction()
               : window.lessonMenu()->classicModelAction())
            ->trigger();
        const Athlete athlete{50, 1.6, 0, 20};
        window.lessonMenu()->setAthlete(athlete);
        Fly(window);
        const Model model = exact ? Model::Exact : Model::Classic;
        const std::vector<FrameResult> expected =
            RunWholeFlight(ComputeFlightParameters(6, 60), std::vector<int>{1}, model, athlete);
        const std::vector<FrameResult>& frames = window.lastFlight()->frames;
        QCOMPARE(frames.size(), expected.size());
        QCOMPARE(frames.back().rotationDeg, expected.back().rotationDeg);
        const QStringList lines = Control<CanvasWidget>(window, "Picture1")->dataPanelLines();
        const QString named = QString::fromUtf8("Athlet: 50 kg, 1,60 m, 0 °/s, 20 rad/s");
        QCOMPARE(lines.contains(named), exact);
        QCOMPARE(
            window.worksheetCaption().contains(QString::fromUtf8("50 kg, 1,60 m, 0 °/s, 20 rad/s")),
            exact);
        if (exact) {
            // No spin, stretched throughout: no turn at all.
            QVERIFY(lines.contains(QString::fromUtf8("Drehung: 0,0° (0,00 Umdrehungen)")));
            // The figure's head is the athlete's size.
            QCOMPARE(frames.back().figure.headRadius, 4.5 * 1.6 / 1.8);
        }
    }
};

QTEST_MAIN(WindowAthleteTest)
#include "test_window_athlete.moc"
