// SPDX-License-Identifier: MIT
// Whole flights through the frame step: rotated figures, landings and the loop's protection.
#include "approx.h"
#include "body/canvas_units.h"
#include "body/reference_figure.h"
#include "body/rotated_figure.h"
#include "body/segment_lengths.h"
#include "flight/flight_constants.h"
#include "flight/frame_step.h"
#include "flight/takeoff_check.h"
#include "model_fixture.h"

#include <QTest>
#include <cmath>
#include <vector>

using namespace purzo;

namespace {

Flight NewFlight(double speed, double angle) {
    return StartFlight(ComputeFlightParameters(speed, angle));
}

std::vector<FrameResult> Fly(double speed, double angle) {
    return purzo::test::ModelFlight(speed, angle);
}

} // namespace

class FlightTest : public QObject {
    Q_OBJECT
private slots:
    void firstFrameOfTheDesignFlight() {
        Flight flight = NewFlight(6, 60);
        const FrameResult r = RunFrame(flight, 1);
        const Figure& f = r.figure;
        QCOMPARE(r.frame, 1);
        QCOMPARE(r.flightX, 0.0);
        QCOMPARE(r.pathX, 0.0);
        QCOMPARE(r.pathY, 126.0);
        QCOMPARE(r.rotationDeg, 10.0);
        COMPARE_DECIMALS(f.hip().x, 4.9964, 4);
        COMPARE_DECIMALS(f.hip().y, 129.0919, 4);
        COMPARE_DECIMALS(f.shoulder().x, 7.6537, 4);
        COMPARE_DECIMALS(f.shoulder().y, 111.9168, 4);
        COMPARE_DECIMALS(f.elbow().x, 9.7375, 4);
        COMPARE_DECIMALS(f.elbow().y, 100.0991, 4);
        COMPARE_DECIMALS(f.hand().x, 11.3003, 4);
        COMPARE_DECIMALS(f.hand().y, 91.2358, 4);
        COMPARE_DECIMALS(f.knee().x, 2.9127, 4);
        COMPARE_DECIMALS(f.knee().y, 140.9096, 4);
        COMPARE_DECIMALS(f.foot().x, 0.8289, 4);
        COMPARE_DECIMALS(f.foot().y, 152.7273, 4);
        COMPARE_DECIMALS(f.neckEnd().x, 8.1652, 4);
        COMPARE_DECIMALS(f.neckEnd().y, 108.9607, 4);
        COMPARE_DECIMALS(f.head.x, 8.9325, 4);
        COMPARE_DECIMALS(f.head.y, 104.5266, 4);
        COMPARE_DECIMALS(r.lowestPointY, 152.7273, 4);
        QCOMPARE(r.lowestPointY, f.foot().y);
        COMPARE_DECIMALS(r.unshiftedHipX, -3.0036, 4);
        COMPARE_DECIMALS(r.unshiftedHipHeight, 18.9081, 4);
        // The foot is below the threshold, yet the first frame cannot land.
        QVERIFY(!r.landed);
        QVERIFY(!flight.ended);
    }

    void posture7FrameAtTheTakeoffPoint() {
        Flight flight = NewFlight(6, 60);
        const FrameResult r = RunFrame(flight, 7);
        QCOMPARE(r.rotationDeg, 30.0);
        const auto [comToHip, comToShoulder] =
            ComputePlacementDistances({r.bodyComX, r.bodyComHeight}, 18);
        COMPARE_DECIMALS(comToHip, 9.6473, 4);
        COMPARE_DECIMALS(comToShoulder, 8.6285, 4);
        const Figure& f = r.figure;
        COMPARE_DECIMALS(f.hip().x, 0.5521, 4);
        COMPARE_DECIMALS(f.hip().y, 130.1319, 4);
        COMPARE_DECIMALS(f.shoulder().x, 10.7176, 4);
        COMPARE_DECIMALS(f.shoulder().y, 115.8107, 4);
        COMPARE_DECIMALS(f.foot().x, 7.6609, 4);
        COMPARE_DECIMALS(f.foot().y, 134.2361, 4);
        COMPARE_DECIMALS(f.head.x, 14.4469, 4);
        COMPARE_DECIMALS(f.head.y, 109.3036, 4);
        COMPARE_DECIMALS(r.lowestPointY, 134.2361, 4);
    }

    void flightsEndWhereTheFigureLands_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("frames");
        QTest::addColumn<double>("lastFlightX");
        QTest::addColumn<double>("lowestPoint");
        QTest::newRow("6 m/s at 60°") << 6.0 << 60.0 << 18 << 3.000005 << 148.105;
        QTest::newRow("5 m/s at 50°, the hand") << 5.0 << 50.0 << 15 << 2.646775 << 156.388;
        QTest::newRow("4 m/s at 30°, the foot") << 4.0 << 30.0 << 2 << 0.203771 << 148.025;
        QTest::newRow("8 m/s at 80°, longest") << 8.0 << 80.0 << 30 << 2.369803 << 165.584;
    }
    void flightsEndWhereTheFigureLands() {
        QFETCH(double, speed);
        QFETCH(double, angle);
        QFETCH(int, frames);
        QFETCH(double, lastFlightX);
        QFETCH(double, lowestPoint);
        const std::vector<FrameResult> flight = Fly(speed, angle);
        QCOMPARE(int(flight.size()), frames);
        const FrameResult& last = flight.back();
        QVERIFY(last.landed);
        QVERIFY(last.lastFrame);
        QCOMPARE(last.rotationDeg, 10.0 * frames);
        COMPARE_DECIMALS(last.flightX, lastFlightX, 6);
        COMPARE_DECIMALS(last.lowestPointY, lowestPoint, 3);
        for (std::size_t i = 0; i + 1 < flight.size(); ++i) {
            QVERIFY(!flight[i].landed && !flight[i].lastFrame);
        }
    }

    void theHeadCanBeTheLowestPoint() {
        // Tucked a little at 7 m/s and 43°, the figure comes down head first: the head's centre
        // lands it in frame 19, where the lowest of the other points would fly on to frame 20.
        const std::vector<FrameResult> flight = purzo::test::ModelFlight(7, 43, {2});
        QCOMPARE(int(flight.size()), 19);
        const FrameResult& last = flight.back();
        QVERIFY(last.landed);
        QCOMPARE(last.lowestPointY, last.figure.head.y);
        for (const Segment& s : last.figure.segments) {
            QVERIFY(s.from.y <= kGroundThresholdY && s.to.y <= kGroundThresholdY);
        }
    }

    void lowestPointLooksAtEveryStoredPoint_data() {
        QTest::addColumn<int>("segment"); // -1: the head
        QTest::addColumn<bool>("secondPoint");
        QTest::newRow("head") << -1 << false;
        for (int i = 0; i < int(kSegmentCount); ++i) {
            QTest::addRow("segment %d first point", i) << i << false;
            QTest::addRow("segment %d second point", i) << i << true;
        }
    }
    void lowestPointLooksAtEveryStoredPoint() {
        QFETCH(int, segment);
        QFETCH(bool, secondPoint);
        Figure f;
        for (Segment& s : f.segments) {
            s = {{1, 10}, {2, 20}};
        }
        f.head = {3, 30};
        Point& lowest = segment < 0   ? f.head
                        : secondPoint ? f.segments[std::size_t(segment)].to
                                      : f.segments[std::size_t(segment)].from;
        lowest.y = 160;
        QCOMPARE(LowestPointY(f), 160.0);
    }

    void designFlightLandsHalfTurned() {
        const FrameResult last = Fly(6, 60).back();
        QCOMPARE(last.rotationDeg, 180.0);
        // Upside down, the head's centre hangs below the neck end.
        QVERIFY(last.figure.head.y > last.figure.neckEnd().y);
    }

    void handIsTheLowestPointOf5At50() {
        const FrameResult last = Fly(5, 50).back();
        QCOMPARE(last.rotationDeg, 150.0);
        QCOMPARE(last.lowestPointY, last.figure.hand().y);
        COMPARE_DECIMALS(last.flightX, 14 * ComputeFlightParameters(5, 50).stepX, 9);
    }

    void firstThreeFramesOfTheSlowestStepAreProtected() {
        const std::vector<FrameResult> flight = Fly(4, 80);
        QVERIFY(flight.size() > 4);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(flight[i].flightX <= 0.1);
            QVERIFY(!LandingEndsFlight(200, flight[i].flightX));
        }
        // The first frame's foot is below the threshold; only the distance keeps it flying.
        QVERIFY(flight[0].lowestPointY > 147 && !flight[0].landed);
        // 3 × 0.040859, the rounded step; the unrounded one gives 0.1225760.
        COMPARE_DECIMALS(flight[3].flightX, 0.122577, 5);
        QVERIFY(LandingEndsFlight(200, flight[3].flightX));
    }

    void landingThreshold_data() {
        QTest::addColumn<double>("lowestPointY");
        QTest::addColumn<double>("flightX");
        QTest::addColumn<bool>("lands");
        QTest::newRow("exactly 147") << 147.0 << 1.0 << false;
        QTest::newRow("just below 147") << std::nextafter(147.0, 200.0) << 1.0 << true;
        QTest::newRow("well below") << 160.0 << 1.0 << true;
        QTest::newRow("above the ground") << 146.9 << 1.0 << false;
        QTest::newRow("exactly 0.1 m") << 160.0 << 0.1 << false;
        QTest::newRow("just past 0.1 m") << 160.0 << std::nextafter(0.1, 1.0) << true;
        QTest::newRow("take-off point") << 160.0 << 0.0 << false;
    }
    void landingThreshold() {
        QFETCH(double, lowestPointY);
        QFETCH(double, flightX);
        QFETCH(bool, lands);
        QCOMPARE(LandingEndsFlight(lowestPointY, flightX), lands);
    }

    void rotationAccumulatesTenDegreesAFrameWhenStretched() {
        Flight flight = NewFlight(4, 80);
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(RunFrame(flight, 1).rotationDeg, 10.0 * n);
        }
    }

    void switchToTheTuckTakesEffectInTheSameFrame() {
        Flight flight = NewFlight(6, 60);
        RunFrame(flight, 1);
        const FrameResult second = RunFrame(flight, 7);
        QCOMPARE(second.rotationDeg, 40.0);
        QCOMPARE(second.posture, 7);
        // The limbs are already those of posture 7: the upper arm points down-forward.
        Flight tucked = NewFlight(6, 60);
        const FrameResult alone = RunFrame(tucked, 7);
        QCOMPARE(second.bodyComX, alone.bodyComX);
        QCOMPARE(second.bodyComHeight, alone.bodyComHeight);
    }

    void postureOutsideTheBarIsHeldAtItsEnds() {
        Flight low = NewFlight(6, 60);
        Flight high = NewFlight(6, 60);
        QCOMPARE(RunFrame(low, 0).rotationDeg, 10.0);
        QCOMPARE(RunFrame(high, 99).rotationDeg, 30.0);
    }

    void fullTurnMoreDrawsTheSameFigure() {
        const SegmentLengths& lengths = StandardSegmentLengths();
        const LimbDirections limbs = LimbDirectionsFor(4);
        const CentreOfMass com =
            ComputeCentreOfMass(BuildReferenceFigure(lengths, 150, limbs), 150);
        const Figure a =
            PlaceRotatedFigure(lengths, 150, limbs, com, DegreesToRadians(50), {60, 80}).figure;
        const Figure b =
            PlaceRotatedFigure(lengths, 150, limbs, com, DegreesToRadians(410), {60, 80}).figure;
        QCOMPARE(DegreesToRadians(360), 6.28318);
        for (const auto& [x, y] : {std::pair{a.foot().x, b.foot().x},
                                   {a.foot().y, b.foot().y},
                                   {a.head.x, b.head.x},
                                   {a.hand().y, b.hand().y}}) {
            QVERIFY(std::fabs(x - y) < 0.001);
        }
    }

    void everyIntegerTakeoffLandsWithin2To30Frames() {
        int fewest = 1000, most = 0;
        for (int v = 4; v <= 8; ++v) {
            for (int a = 30; a <= 80; ++a) {
                const std::vector<FrameResult> flight = Fly(v, a);
                const auto label = QStringLiteral("%1 m/s at %2°").arg(v).arg(a);
                QVERIFY2(flight.back().landed, qPrintable(label));
                QVERIFY2(flight.back().flightX < 10, qPrintable(label));
                fewest = std::min(fewest, int(flight.size()));
                most = std::max(most, int(flight.size()));
            }
        }
        QCOMPARE(fewest, 2);
        QCOMPARE(most, 30);
    }

    void anEndedFlightStaysEnded() {
        Flight flight = NewFlight(4, 30);
        RunFrame(flight, 1);
        const FrameResult last = RunFrame(flight, 1);
        QVERIFY(flight.ended);
        const FrameResult again = RunFrame(flight, 7);
        QCOMPARE(again.frame, last.frame);
        QCOMPARE(again.rotationDeg, last.rotationDeg);
        QCOMPARE(flight.framesRun, 2);
    }

    void aStepThatCannotAdvanceNeverStarts() {
        FlightParameters params;
        params.stepX = 0;
        QVERIFY(StartFlight(params).ended);
        params.stepX = std::nan("");
        QVERIFY(StartFlight(params).ended);
    }

    void replacedTextsFlyAt5And50() {
        const TakeoffCheck check = CheckTakeoff("9", "60");
        QCOMPARE(int(Fly(check.takeoffSpeed, check.takeoffAngle).size()), 15);
    }
};

QTEST_APPLESS_MAIN(FlightTest)
#include "test_flight.moc"
