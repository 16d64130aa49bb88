// SPDX-License-Identifier: MIT
// The exact model's limbs: no faster than the athlete's limb speed, all four arriving together.
#include "body/athlete.h"
#include "body/limb_reach.h"
#include "flight/whole_flight.h"

#include <QTest>
#include <cmath>
#include <vector>

using namespace purzo;

namespace {

using Postures = std::vector<int>;
constexpr double kStoredPi = 3.14159; // the table's degrees convert with it

std::vector<FrameResult> Fly(const Postures& postures, double limbSpeedRadPerS) {
    Athlete athlete;
    athlete.limbSpeedRadPerS = limbSpeedRadPerS;
    return RunWholeFlight(ComputeFlightParameters(6, 60), postures, Model::Exact, athlete);
}

} // namespace

class LimbSpeedTest : public QObject {
    Q_OBJECT
private slots:
    // The largest change from stretched to the full tuck is the upper arm's 170°, 2.967 rad: at
    // v rad/s it takes ⌈2.967 / (v / 17)⌉ intervals.
    void fullTuckTakesItsFrames_data() {
        QTest::addColumn<double>("limbSpeed");
        QTest::addColumn<int>("intervals");
        QTest::newRow("4 rad/s") << 4.0 << 13;
        QTest::newRow("12 rad/s, the standard") << 12.0 << 5;
        QTest::newRow("30 rad/s") << 30.0 << 2;
    }
    void fullTuckTakesItsFrames() {
        QFETCH(double, limbSpeed);
        QFETCH(int, intervals);
        const std::vector<FrameResult> flight = Fly({1, 7}, limbSpeed);
        int first = 0;
        for (const FrameResult& f : flight) {
            QCOMPARE(f.posture, f.frame == 1 ? 1 : 7);
            if (!first && f.shape == LimbDegreesFor(7)) {
                first = f.frame;
            }
        }
        QCOMPARE(first, 1 + intervals);
    }

    // Each interval covers limbSpeed / 17 rad of the largest change, and the other three keep
    // pace so that all four arrive together.
    void limbsMoveTogetherAtTheLimbSpeed() {
        const std::vector<FrameResult> flight = Fly({1, 1, 7}, 12);
        const double stepDeg = 12.0 / 17 * 180 / kStoredPi;
        for (int k = 1; k <= 4; ++k) {
            const LimbDegrees& s = flight.at(std::size_t(1 + k)).shape;
            const double done = k * stepDeg / 170; // of the way from posture 1 to 7
            QVERIFY(std::abs(s.upperArmDeg - 170 * done) < 1e-9);
            QVERIFY(std::abs(s.forearmDeg - 40 * done) < 1e-9);
            QVERIFY(std::abs(s.thighDeg - (180 - 160 * done)) < 1e-9);
            QVERIFY(std::abs(s.shankDeg - (180 - 20 * done)) < 1e-9);
        }
    }

    // A tuck called off after one frame: the limbs turn back from where they got to, and reach
    // the stretch again within the one frame the way back takes.
    void targetChangedMidWay() {
        const std::vector<FrameResult> flight = Fly({1, 7, 1}, 12);
        const double upperArmDeg = 12.0 / 17 * 180 / kStoredPi;
        QVERIFY(std::abs(flight.at(1).shape.upperArmDeg - upperArmDeg) < 1e-9);
        QCOMPARE(flight.at(1).posture, 7);
        QCOMPARE(flight.at(2).posture, 1);
        QCOMPARE(flight.at(2).shape, LimbDegreesFor(1));
        QCOMPARE(flight.at(2).inertiaKgM2, flight.at(0).inertiaKgM2);
    }

    // A tuck towards 7, turned towards 4 before it got there: the way bends where the target
    // changed, and ends on posture 4 exactly.
    void newTargetBendsTheWay() {
        const double frameS = 1 / 17.0, stepDeg = 12.0 / 17 * 180 / kStoredPi;
        const LimbDegrees seven = LimbDegreesFor(7), four = LimbDegreesFor(4);
        // Two frames towards 7: the upper arm at 80.9°, the thigh at 103.9°.
        const LimbDegrees a =
            ReachedShape(ReachedShape(LimbDegreesFor(1), seven, 12, frameS), seven, 12, frameS);
        QVERIFY(std::abs(a.upperArmDeg - 2 * stepDeg) < 1e-9);
        // From there the largest change to posture 4 is the thigh's 41.1°, more than a frame's
        // 40.4°: it moves one step and the others in proportion.
        const LimbDegrees b = ReachedShape(a, four, 12, frameS);
        const double k = stepDeg / (four.thighDeg - a.thighDeg);
        QVERIFY(k < 1);
        QVERIFY(std::abs(b.thighDeg - (a.thighDeg + stepDeg)) < 1e-9);
        QVERIFY(std::abs(b.upperArmDeg - (a.upperArmDeg + k * (four.upperArmDeg - a.upperArmDeg))) <
                1e-9);
        QVERIFY(std::abs(b.shankDeg - (a.shankDeg + k * (four.shankDeg - a.shankDeg))) < 1e-9);
        QCOMPARE(ReachedShape(b, four, 12, frameS), four);
        QCOMPARE(ReachedShape(four, four, 12, 1 / 17.0), four);
    }
};

QTEST_APPLESS_MAIN(LimbSpeedTest)
#include "test_limb_speed.moc"
