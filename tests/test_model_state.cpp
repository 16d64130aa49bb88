// SPDX-License-Identifier: MIT
// The model state after start-up, and degrees to radians with the stored pi.
#include "approx.h"
#include "flight_parameters.h"
#include "model_state.h"

#include <QTest>
#include <type_traits>

using namespace purzo;

class ModelStateTest : public QObject {
    Q_OBJECT
private slots:
    void constantsAfterLoad() {
        const ModelState s = DefaultModelState();
        QCOMPARE(s.gravity, 9.81);
        QCOMPARE(s.pi, 3.14159);
        QCOMPARE(s.unitsPerMetre, std::int16_t{30});
        QCOMPARE(s.canvasHeight, 150.0f);
        QCOMPARE(s.takeoffHeight, 0.8);
        QCOMPARE(s.trunkLength, 18.0);
        QCOMPARE(s.upperArmLength, 12.0);
        QCOMPARE(s.forearmLength, 9.0);
        QCOMPARE(s.thighLength, 12.0);
        QCOMPARE(s.shankLength, 12.0);
        QCOMPARE(s.headRadius, 4.5);
        QCOMPARE(s.neckLength, std::int16_t{3});
    }

    void typesOfTheStoredNumbers() {
        const ModelState s;
        QVERIFY((std::is_same_v<decltype(s.unitsPerMetre), std::int16_t>));
        QVERIFY((std::is_same_v<decltype(s.neckLength), std::int16_t>));
        QVERIFY((std::is_same_v<decltype(s.canvasHeight), float>));
        QVERIFY((std::is_same_v<decltype(FlightParameters{}.frameDelayMs), std::int32_t>));
    }

    void flightValuesAreZeroBeforeTheFirstFlight() {
        const FlightParameters f;
        QCOMPARE(f.frameDelayMs, 0);
        QCOMPARE(f.angleRad, 0.0);
        QCOMPARE(f.takeoffSpeed, 0.0);
    }

    void heightTextIsReadWithCommaOrPeriod_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("height");
        QTest::newRow("design text") << "0,8" << 0.8;
        QTest::newRow("period") << "0.8" << 0.8;
        QTest::newRow("not a number") << "hoch" << 0.0;
    }
    void heightTextIsReadWithCommaOrPeriod() {
        QFETCH(QString, text);
        QFETCH(double, height);
        QCOMPARE(LoadModelState(text.toStdString(), 150.0f).takeoffHeight, height);
    }

    void canvasHeightComesFromTheScale() {
        QCOMPARE(LoadModelState("0,8", 500.0f).canvasHeight, 500.0f);
    }

    void degreesConvertWithTheStoredPi_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("radians");
        QTest::newRow("180") << 180.0 << 3.14159;
        QTest::newRow("90") << 90.0 << 1.570795;
        QTest::newRow("360") << 360.0 << 6.28318;
        QTest::newRow("0") << 0.0 << 0.0;
    }
    void degreesConvertWithTheStoredPi() {
        QFETCH(double, degrees);
        QFETCH(double, radians);
        QCOMPARE(DegreesToRadians(3.14159, degrees), radians);
    }
};

QTEST_APPLESS_MAIN(ModelStateTest)
#include "test_model_state.moc"
