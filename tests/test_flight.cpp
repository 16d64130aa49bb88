// SPDX-License-Identifier: MIT
// Whole flights through the frame step: rotated figures, landings and the loop's protection.
#include "approx.h"
#include "flight.h"
#include "model_fixture.h"
#include "model_state.h"
#include "reference_figure.h"
#include "takeoff_check.h"

#include <QTest>
#include <cmath>
#include <vector>

using namespace purzo;

namespace {

Flight NewFlight(double speed, double angle) {
    const ModelState model = DefaultModelState();
    return StartFlight(model, ComputeFlightParameters(model, speed, angle, Pace::RealTime));
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
        const FigurePoints& p = r.points;
        QCOMPARE(r.frame, 1);
        QCOMPARE(r.flightX, 0.0);
        QCOMPARE(r.pathX, 0.0);
        QCOMPARE(r.pathY, 126.0);
        QCOMPARE(r.rotationDeg, 10);
        COMPARE_DECIMALS(p.trunkX1, 4.9964, 4);
        COMPARE_DECIMALS(p.trunkY1, 129.0919, 4);
        COMPARE_DECIMALS(p.trunkX2, 7.6537, 4);
        COMPARE_DECIMALS(p.trunkY2, 111.9168, 4);
        COMPARE_DECIMALS(p.upperArmX2, 9.7375, 4);
        COMPARE_DECIMALS(p.upperArmY2, 100.0991, 4);
        COMPARE_DECIMALS(p.forearmX2, 11.3003, 4);
        COMPARE_DECIMALS(p.forearmY2, 91.2358, 4);
        COMPARE_DECIMALS(p.thighX2, 2.9127, 4);
        COMPARE_DECIMALS(p.thighY2, 140.9096, 4);
        COMPARE_DECIMALS(p.shankX2, 0.8289, 4);
        COMPARE_DECIMALS(p.shankY2, 152.7273, 4);
        COMPARE_DECIMALS(p.neckX2, 8.1652, 4);
        COMPARE_DECIMALS(p.neckY2, 108.9607, 4);
        COMPARE_DECIMALS(p.headX, 8.9325, 4);
        COMPARE_DECIMALS(p.headY, 104.5266, 4);
        COMPARE_DECIMALS(r.lowestPointY, 152.7273, 4);
        QCOMPARE(r.lowestPointY, p.shankY2);
        COMPARE_DECIMALS(p.hipX, -3.0036, 4);
        COMPARE_DECIMALS(p.hipHeight, 18.9081, 4);
        // The foot is below the threshold, yet the first frame cannot land.
        QVERIFY(!r.landed);
        QVERIFY(!flight.ended);
    }

    void drawnFigureIsThePointsInSinglePrecision() {
        Flight flight = NewFlight(6, 60);
        const FrameResult r = RunFrame(flight, 1);
        const FigurePoints& p = r.points;
        QCOMPARE(r.drawn.lines[0].x1, float(p.trunkX1));
        QCOMPARE(r.drawn.lines[0].y2, float(p.trunkY2));
        QCOMPARE(r.drawn.lines[2].x2, float(p.forearmX2));
        QCOMPARE(r.drawn.lines[4].y2, float(p.shankY2));
        QCOMPARE(r.drawn.lines[5].y2, float(p.neckY2));
        QCOMPARE(r.drawn.head.x, float(p.headX));
        QCOMPARE(r.drawn.head.y, float(p.headY));
        QCOMPARE(r.drawn.head.radius, 4.5f);
    }

    void posture7FrameAtTheTakeoffPoint() {
        Flight flight = NewFlight(6, 60);
        const FrameResult r = RunFrame(flight, 7);
        QCOMPARE(r.rotationDeg, 30);
        const FigurePoints reference = [] {
            Flight f = NewFlight(6, 60);
            RunFrame(f, 7);
            FigurePoints p;
            p.bodyComX = f.points.bodyComX;
            p.bodyComHeight = f.points.bodyComHeight;
            p.hipX = 450;
            p.hipHeight = 400;
            return p;
        }();
        const auto [comToHip, comToShoulder] = ComputePlacementDistances(reference, 18);
        COMPARE_DECIMALS(comToHip, 9.6473, 4);
        COMPARE_DECIMALS(comToShoulder, 8.6285, 4);
        const FigurePoints& p = r.points;
        COMPARE_DECIMALS(p.trunkX1, 0.5521, 4);
        COMPARE_DECIMALS(p.trunkY1, 130.1319, 4);
        COMPARE_DECIMALS(p.trunkX2, 10.7176, 4);
        COMPARE_DECIMALS(p.trunkY2, 115.8107, 4);
        COMPARE_DECIMALS(p.shankX2, 7.6609, 4);
        COMPARE_DECIMALS(p.shankY2, 134.2361, 4);
        COMPARE_DECIMALS(p.headX, 14.4469, 4);
        COMPARE_DECIMALS(p.headY, 109.3036, 4);
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
        QCOMPARE(last.rotationDeg, 10 * frames);
        COMPARE_DECIMALS(last.flightX, lastFlightX, 6);
        COMPARE_DECIMALS(last.lowestPointY, lowestPoint, 3);
        for (std::size_t i = 0; i + 1 < flight.size(); ++i) {
            QVERIFY(!flight[i].landed && !flight[i].lastFrame);
        }
    }

    void designFlightLandsHalfTurned() {
        const FrameResult last = Fly(6, 60).back();
        QCOMPARE(last.rotationDeg, 180);
        // Upside down, the head's centre hangs below the neck end.
        QVERIFY(last.points.headY > last.points.neckY2);
    }

    void handIsTheLowestPointOf5At50() {
        const FrameResult last = Fly(5, 50).back();
        QCOMPARE(last.rotationDeg, 150);
        QCOMPARE(last.lowestPointY, last.points.forearmY2);
        COMPARE_DECIMALS(
            last.flightX,
            14 * ComputeFlightParameters(DefaultModelState(), 5, 50, Pace::RealTime).stepX, 9);
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
            QCOMPARE(RunFrame(flight, 1).rotationDeg, 10 * n);
        }
    }

    void switchToTheTuckTakesEffectInTheSameFrame() {
        Flight flight = NewFlight(6, 60);
        RunFrame(flight, 1);
        const FrameResult second = RunFrame(flight, 7);
        QCOMPARE(second.rotationDeg, 40);
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
        QCOMPARE(RunFrame(low, 0).rotationDeg, 10);
        QCOMPARE(RunFrame(high, 99).rotationDeg, 30);
    }

    void fullTurnMoreDrawsTheSameFigure() {
        const ModelState model = DefaultModelState();
        int rotationDeg = 0;
        const LimbDirections limbs = PostureStep(4, model.pi, rotationDeg);
        FigurePoints a, b;
        BuildReferenceFigure(model, limbs, a);
        b = a;
        DrawnFigure drawn;
        PlaceRotatedFigure(model, limbs, DegreesToRadians(model.pi, 50), 60, 80, a, drawn);
        PlaceRotatedFigure(model, limbs, DegreesToRadians(model.pi, 410), 60, 80, b, drawn);
        QCOMPARE(DegreesToRadians(model.pi, 360), 6.28318);
        for (const auto& [x, y] : {std::pair{a.shankX2, b.shankX2},
                                   {a.shankY2, b.shankY2},
                                   {a.headX, b.headX},
                                   {a.forearmY2, b.forearmY2}}) {
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
        QVERIFY(StartFlight(DefaultModelState(), params).ended);
        params.stepX = std::nan("");
        QVERIFY(StartFlight(DefaultModelState(), params).ended);
    }

    void replacedTextsFlyAt5And50() {
        const TakeoffCheck check = CheckTakeoff("9", "60");
        QCOMPARE(int(Fly(check.takeoffSpeed, check.takeoffAngle).size()), 15);
    }
};

QTEST_APPLESS_MAIN(FlightTest)
#include "test_flight.moc"
