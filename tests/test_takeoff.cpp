// SPDX-License-Identifier: MIT
// The take-off check and the flight parameters derived from it.
#include "approx.h"
#include "flight/flight_parameters.h"
#include "flight/takeoff_check.h"

#include <QTest>

using namespace purzo;

class TakeoffTest : public QObject {
    Q_OBJECT
private slots:
    void checkReplacesOutOfRangeValues_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<bool>("beep");
        QTest::addColumn<bool>("warning");
        QTest::addColumn<double>("flightSpeed");
        QTest::addColumn<double>("flightAngle");
        QTest::newRow("design values") << "6"
                                       << "60" << false << false << 6.0 << 60.0;
        QTest::newRow("lowest speed") << "4"
                                      << "60" << false << false << 4.0 << 60.0;
        QTest::newRow("highest speed") << "8"
                                       << "60" << false << false << 8.0 << 60.0;
        QTest::newRow("lowest angle") << "6"
                                      << "30" << false << false << 6.0 << 30.0;
        QTest::newRow("highest angle") << "6"
                                       << "80" << false << false << 6.0 << 80.0;
        QTest::newRow("decimal comma in range") << "7,5"
                                                << "45,5" << false << false << 7.5 << 45.5;
        QTest::newRow("speed 3,9") << "3,9"
                                   << "60" << true << true << 5.0 << 50.0;
        QTest::newRow("speed 8,5") << "8,5"
                                   << "60" << true << true << 5.0 << 50.0;
        QTest::newRow("angle 29") << "6"
                                  << "29" << false << true << 5.0 << 50.0;
        QTest::newRow("angle 81") << "6"
                                  << "81" << false << true << 5.0 << 50.0;
        QTest::newRow("speed 9 angle 60") << "9"
                                          << "60" << true << true << 5.0 << 50.0;
        QTest::newRow("speed 6 angle 85") << "6"
                                          << "85" << false << true << 5.0 << 50.0;
        QTest::newRow("both out, one beep") << "9"
                                            << "85" << true << true << 5.0 << 50.0;
        QTest::newRow("speed not a number") << "schnell"
                                            << "60" << true << true << 5.0 << 50.0;
        QTest::newRow("speed empty") << ""
                                     << "60" << true << true << 5.0 << 50.0;
        QTest::newRow("angle not a number") << "6"
                                            << "steil" << false << true << 5.0 << 50.0;
        QTest::newRow("angle empty") << "6"
                                     << "" << false << true << 5.0 << 50.0;
        QTest::newRow("negative speed") << "-6"
                                        << "60" << true << true << 5.0 << 50.0;
    }
    void checkReplacesOutOfRangeValues() {
        QFETCH(QString, speed);
        QFETCH(QString, angle);
        QFETCH(bool, beep);
        QFETCH(bool, warning);
        QFETCH(double, flightSpeed);
        QFETCH(double, flightAngle);
        const TakeoffCheck c = CheckTakeoff(speed.toStdString(), angle.toStdString());
        QCOMPARE(c.beep, beep);
        QCOMPARE(c.showWarning, warning);
        QCOMPARE(c.takeoffSpeed, flightSpeed);
        QCOMPARE(c.takeoffAngle, flightAngle);
        if (warning) {
            // Both texts always reset together.
            QCOMPARE(c.speedText, std::string("5"));
            QCOMPARE(c.angleText, std::string("50"));
        } else {
            QCOMPARE(QString::fromStdString(c.speedText), speed);
            QCOMPARE(QString::fromStdString(c.angleText), angle);
        }
    }

    void everyScrollBarValuePasses() {
        for (int speed = 4; speed <= 8; ++speed) {
            for (int angle = 30; angle <= 80; ++angle) {
                const TakeoffCheck c = CheckTakeoff(std::to_string(speed), std::to_string(angle));
                QVERIFY2(!c.showWarning && !c.beep,
                         qPrintable(QStringLiteral("%1 m/s at %2°").arg(speed).arg(angle)));
            }
        }
    }

    void parametersOf5At50() {
        const FlightParameters f = ComputeFlightParameters(5, 50);
        COMPARE_DECIMALS(f.angleRad, 0.872663889, 9);
        COMPARE_DECIMALS(f.flightTime, 0.780881, 6);
        COMPARE_DECIMALS(f.flightRange, 2.509704, 6);
        COMPARE_DECIMALS(f.stepX, 0.189055, 6);
    }

    void parametersOfTheDesignFlight() {
        const FlightParameters f = ComputeFlightParameters(6, 60);
        COMPARE_DECIMALS(f.flightTime, 1.0594, 4);
        COMPARE_DECIMALS(f.flightRange, 3.1781, 4);
        COMPARE_DECIMALS(f.stepX, 0.176471, 6);
    }

    void smallestAndLargestStep_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("stepX");
        QTest::newRow("4 m/s at 80°, smallest") << 4.0 << 80.0 << 0.040859;
        QTest::newRow("8 m/s at 30°, largest") << 8.0 << 30.0 << 0.407541;
    }
    void smallestAndLargestStep() {
        QFETCH(double, speed);
        QFETCH(double, angle);
        QFETCH(double, stepX);
        COMPARE_DECIMALS(ComputeFlightParameters(speed, angle).stepX, stepX, 6);
        // No integer take-off lies outside these two.
        for (int v = 4; v <= 8; ++v) {
            for (int a = 30; a <= 80; ++a) {
                const double s = ComputeFlightParameters(v, a).stepX;
                QVERIFY(s >= 0.0408585 && s <= 0.4075415);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TakeoffTest)
#include "test_takeoff.moc"
