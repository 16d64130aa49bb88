// SPDX-License-Identifier: MIT
// Whatever a student types into the two boxes: either the flight takes it as the right number,
// or the standard values replace it with the warning; the flight runs to its end either way.
#include "flight/frame_step.h"
#include "window/purzo_window.h"
#include "window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

using namespace purzo;
using purzo::test::Control;

namespace {

struct Reading {
    const char* name;
    QString text;
    bool isNumber;
    double value;
};

QList<Reading> Readings() {
    return {
        {"empty", "", false, 0},
        {"blank", " ", false, 0},
        {"letters", "abc", false, 0},
        {"number then letters", "6abc", false, 0},
        {"decimal comma", "6,5", true, 6.5},
        {"decimal period", "6.5", true, 6.5},
        {"blanks around", " 6 ", true, 6},
        {"plus sign", "+6", true, 6},
        {"minus sign", "-6", true, -6},
        {"exponent", "1e1", false, 0},
        {"huge exponent", "1e400", false, 0},
        {"nan", "nan", false, 0},
        {"inf", "inf", false, 0},
        {"hex", "0x6", false, 0},
        {"full-width digit", QString::fromUtf8("\xef\xbc\x96"), false, 0},
        {"two commas", "6,5,5", false, 0},
        {"period before zeros", "1.000", true, 1},
        {"thousands and decimal", "1,000.5", false, 0},
        {"100000 digits", QString(100000, QLatin1Char('6')), false, 0},
        {"100000 characters, leading zeros", QString(99999, QLatin1Char('0')) + "6", true, 6},
        {"in-range angle with comma", "45,5", true, 45.5},
    };
}

} // namespace

class WindowInputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    void typedTextIsTakenOrReplaced_data() {
        QTest::addColumn<QString>("speedText");
        QTest::addColumn<QString>("angleText");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("beep");
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        for (const Reading& r : Readings()) {
            const bool speedOk = r.isNumber && r.value >= 4 && r.value <= 8;
            QTest::addRow("speed %s", r.name)
                << r.text << "60" << speedOk << !speedOk << (speedOk ? r.value : 5.0)
                << (speedOk ? 60.0 : 50.0);
            const bool angleOk = r.isNumber && r.value >= 30 && r.value <= 80;
            QTest::addRow("angle %s", r.name)
                << "6" << r.text << angleOk << false << (angleOk ? 6.0 : 5.0)
                << (angleOk ? r.value : 50.0);
        }
    }
    void typedTextIsTakenOrReplaced() {
        QFETCH(QString, speedText);
        QFETCH(QString, angleText);
        QFETCH(bool, accepted);
        QFETCH(bool, beep);
        QFETCH(double, speed);
        QFETCH(double, angle);
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(purzo::test::ShowWhole(window));
        auto* text1 = Control<QLineEdit>(window, "Text1");
        auto* text2 = Control<QLineEdit>(window, "Text2");
        // Long texts go in at once; typing 100 000 keys would only test the line edit.
        text1->setText(speedText);
        text2->setText(angleText);
        QSignalSpy beeps(&window, &PurzoWindow::beepSounded);
        QSignalSpy finished(&window, &PurzoWindow::flightFinished);
        QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);

        QCOMPARE(beeps.count(), beep ? 1 : 0);
        QCOMPARE(Control<QLabel>(window, "Label19")->isVisible(), !accepted);
        QCOMPARE(text1->text(), accepted ? speedText : QStringLiteral("5"));
        QCOMPARE(text2->text(), accepted ? angleText : QStringLiteral("50"));
        QCOMPARE(window.flightParameters().takeoffSpeed, speed);
        QCOMPARE(window.flightParameters().takeoffAngle, angle);

        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
        QCOMPARE(finished.at(0).at(0).toInt(), int(purzo::test::ModelFlight(speed, angle).size()));
        const FrameResult& last = *window.currentFrame();
        QVERIFY(std::isfinite(last.pathX) && std::isfinite(last.pathY));
        QVERIFY(last.landed);
    }
};

QTEST_MAIN(WindowInputTest)
#include "test_window_input.moc"
