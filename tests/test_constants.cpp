// SPDX-License-Identifier: MIT
// The model's constants and segment lengths, and degrees to radians with the stored pi.
#include "approx.h"
#include "body/canvas_units.h"
#include "body/segment_lengths.h"
#include "flight/flight_constants.h"
#include "flight/flight_parameters.h"

#include <QTest>
#include <type_traits>

using namespace purzo;

class ConstantsTest : public QObject {
    Q_OBJECT
private slots:
    void constantsOfTheModel() {
        QCOMPARE(kGravity, 9.81);
        QCOMPARE(kPi, 3.14159);
        QCOMPARE(kUnitsPerMetre, std::int16_t{30});
        QCOMPARE(kCanvasHeight, 150.0f);
        QCOMPARE(kCanvasWidth, 200.0f);
        QCOMPARE(kTakeoffHeightM, 0.8);
        QCOMPARE(kFramesPerSecond, 17.0);
    }

    void segmentLengthsAtThirtyUnitsPerMetre() {
        const SegmentLengths& s = StandardSegmentLengths();
        QCOMPARE(s.trunkLength, 18.0);
        QCOMPARE(s.upperArmLength, 12.0);
        QCOMPARE(s.forearmLength, 9.0);
        QCOMPARE(s.thighLength, 12.0);
        QCOMPARE(s.shankLength, 12.0);
        QCOMPARE(s.headRadius, 4.5);
        QCOMPARE(s.neckLength, 3.0);
    }

    void neckLengthRoundsHalfToEven_data() {
        QTest::addColumn<int>("unitsPerMetre");
        QTest::addColumn<int>("neck");
        QTest::newRow("30") << 30 << 3;
        QTest::newRow("25: 2.5 rounds down to even") << 25 << 2;
        QTest::newRow("35: 3.5 rounds up to even") << 35 << 4;
        QTest::newRow("36") << 36 << 4;
    }
    void neckLengthRoundsHalfToEven() {
        QFETCH(int, unitsPerMetre);
        QFETCH(int, neck);
        QCOMPARE(int(SegmentLengthsFor(std::int16_t(unitsPerMetre)).neckLength), neck);
    }

    void flightValuesAreZeroBeforeTheFirstFlight() {
        const FlightParameters f;
        QCOMPARE(f.angleRad, 0.0);
        QCOMPARE(f.takeoffSpeed, 0.0);
        QCOMPARE(f.stepX, 0.0);
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
        QCOMPARE(DegreesToRadians(degrees), radians);
    }
};

QTEST_APPLESS_MAIN(ConstantsTest)
#include "test_constants.moc"
