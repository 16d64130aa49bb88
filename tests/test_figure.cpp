// SPDX-License-Identifier: MIT
// Postures, the reference figure and its centre of mass after the segment model.
#include "approx.h"
#include "centre_of_mass.h"
#include "model_state.h"
#include "posture_table.h"
#include "reference_figure.h"
#include "rotated_figure.h"

#include <QTest>

using namespace purzo;

namespace {

FigurePoints ReferenceFigureOf(int posture, float canvasHeight = 150.0f) {
    const ModelState model = LoadModelState("0,8", canvasHeight);
    int rotationDeg = 0;
    const LimbDirections limbs = PostureStep(posture, model.pi, rotationDeg);
    FigurePoints points;
    BuildReferenceFigure(model, limbs, points);
    return points;
}

// The worked frame drawn by hand on a taller canvas.
FigurePoints WorkedFrame() {
    FigurePoints p;
    p.trunkX1 = 450, p.trunkY1 = 100, p.trunkX2 = 450, p.trunkY2 = 82;
    p.upperArmX1 = 450, p.upperArmY1 = 82, p.upperArmX2 = 462, p.upperArmY2 = 82;
    p.forearmX1 = 462, p.forearmY1 = 82, p.forearmX2 = 462, p.forearmY2 = 73;
    p.thighX1 = 450, p.thighY1 = 100, p.thighX2 = 438, p.thighY2 = 100;
    p.shankX1 = 438, p.shankY1 = 100, p.shankX2 = 438, p.shankY2 = 112;
    p.headX = 450, p.headY = 74.5;
    return p;
}

} // namespace

class FigureTest : public QObject {
    Q_OBJECT
private slots:
    void postureRowsAndIncrements_data() {
        QTest::addColumn<int>("posture");
        QTest::addColumn<int>("upperArm");
        QTest::addColumn<int>("forearm");
        QTest::addColumn<int>("thigh");
        QTest::addColumn<int>("shank");
        QTest::addColumn<int>("increment");
        QTest::newRow("1") << 1 << 0 << 0 << 180 << 180 << 10;
        QTest::newRow("2") << 2 << 20 << 10 << 150 << 170 << 13;
        QTest::newRow("3") << 3 << 20 << 20 << 155 << 155 << 17;
        QTest::newRow("4") << 4 << 45 << 40 << 145 << 145 << 21;
        QTest::newRow("5") << 5 << 100 << 45 << 80 << 130 << 23;
        QTest::newRow("6") << 6 << 130 << 40 << 45 << 130 << 27;
        QTest::newRow("7") << 7 << 170 << 40 << 20 << 160 << 30;
    }
    void postureRowsAndIncrements() {
        QFETCH(int, posture);
        QFETCH(int, upperArm);
        QFETCH(int, forearm);
        QFETCH(int, thigh);
        QFETCH(int, shank);
        QFETCH(int, increment);
        int rotationDeg = 100;
        const LimbDirections limbs = PostureStep(posture, 3.14159, rotationDeg);
        QCOMPARE(rotationDeg, 100 + increment);
        QCOMPARE(limbs.upperArmAngle, DegreesToRadians(3.14159, upperArm));
        QCOMPARE(limbs.forearmAngle, DegreesToRadians(3.14159, forearm));
        QCOMPARE(limbs.thighAngle, DegreesToRadians(3.14159, thigh));
        QCOMPARE(limbs.shankAngle, DegreesToRadians(3.14159, shank));
    }

    void thighOfPosture1IsTheStoredPi() {
        int rotationDeg = 0;
        QCOMPARE(PostureStep(1, 3.14159, rotationDeg).thighAngle, 3.14159);
    }

    void referenceFigureOfPosture1() {
        const FigurePoints p = ReferenceFigureOf(1);
        QCOMPARE(p.trunkX1, 450.0);
        QCOMPARE(p.trunkY1, -250.0);
        QCOMPARE(p.trunkX2, 450.0);
        QCOMPARE(p.trunkY2, -268.0);
        COMPARE_DECIMALS(p.upperArmX2, 450, 4);
        COMPARE_DECIMALS(p.upperArmY2, -280, 4);
        COMPARE_DECIMALS(p.forearmX2, 450, 4);
        COMPARE_DECIMALS(p.forearmY2, -289, 4);
        COMPARE_DECIMALS(p.thighX2, 450.0000, 4);
        COMPARE_DECIMALS(p.thighY2, -238, 4);
        COMPARE_DECIMALS(p.shankX2, 450.0001, 4);
        COMPARE_DECIMALS(p.shankY2, -226, 4);
        // The stored pi is a little short of the real one, so the legs lean a trace forward.
        QVERIFY(p.thighX2 > 450.0 && p.shankX2 > p.thighX2);
        QCOMPARE(p.neckX2, 450.0);
        QCOMPARE(p.neckY2, -271.0);
        QCOMPARE(p.headX, 450.0);
        QCOMPARE(p.headY, -275.5);
    }

    void trunkNeckAndHeadStayUpright() {
        for (int posture = 1; posture <= 7; ++posture) {
            const FigurePoints p = ReferenceFigureOf(posture);
            QCOMPARE(p.trunkX2, p.trunkX1);
            QCOMPARE(p.neckX2, p.trunkX2);
            QCOMPARE(p.headX, p.trunkX2);
            QCOMPARE(p.upperArmX1, p.trunkX2);
            QCOMPARE(p.shankX1, p.thighX2);
        }
    }

    void centreOfMassOfEachPosture_data() {
        QTest::addColumn<int>("posture");
        QTest::addColumn<double>("comX");
        QTest::addColumn<double>("comHeight");
        QTest::newRow("1") << 1 << 450.0000 << 405.9118;
        QTest::newRow("2") << 2 << 451.9975 << 406.2501;
        QTest::newRow("3") << 3 << 451.9833 << 406.1765;
        QTest::newRow("4") << 4 << 452.9894 << 406.2093;
        QTest::newRow("5") << 5 << 454.6456 << 408.3142;
        QTest::newRow("6") << 6 << 453.5811 << 409.4033;
        QTest::newRow("7") << 7 << 451.5789 << 409.5172;
    }
    void centreOfMassOfEachPosture() {
        QFETCH(int, posture);
        QFETCH(double, comX);
        QFETCH(double, comHeight);
        for (const float canvasHeight : {150.0f, 500.0f}) {
            const FigurePoints p = ReferenceFigureOf(posture, canvasHeight);
            COMPARE_DECIMALS(p.bodyComX, comX, 4);
            COMPARE_DECIMALS(p.bodyComHeight, comHeight, 4);
        }
    }

    void placementDistancesOfPosture1() {
        const auto [comToHip, comToShoulder] = ComputePlacementDistances(ReferenceFigureOf(1), 18);
        COMPARE_DECIMALS(comToHip, 5.9118, 4);
        COMPARE_DECIMALS(comToShoulder, 12.0882, 4);
        const auto other = ComputePlacementDistances(ReferenceFigureOf(1, 500.0f), 18);
        COMPARE_DECIMALS(other.comToHip, 5.9118, 4);
        COMPARE_DECIMALS(other.comToShoulder, 12.0882, 4);
    }

    void fractionsFromTheSecondPointAreStoredApart() {
        QCOMPARE(kForearmFractions.q, 0.5800000000000001);
        QCOMPARE(kShankFractions.q, 0.5800000000000001);
        QVERIFY(kForearmFractions.q != 0.58);
        QCOMPARE(kTrunkFractions.q, 0.44);
        const double massSum = kTrunkFractions.mass + kUpperArmFractions.mass +
                               kForearmFractions.mass + kThighFractions.mass +
                               kShankFractions.mass + kHeadMassFraction;
        QCOMPARE(massSum, 1.0);
    }

    void segmentCentreRule_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("centre");
        QTest::newRow("forearm pointing up") << 82.0 << 73.0 << 78.22;
        QTest::newRow("forearm pointing down") << 73.0 << 82.0 << 76.78;
        QTest::newRow("points coincide") << 462.0 << 462.0 << 462.0;
    }
    void segmentCentreRule() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, centre);
        COMPARE_DECIMALS(SegmentCentre(a, b, kForearmFractions), centre, 10);
    }

    void coincidentAndStraightSegmentsKeepTheirCoordinateExactly() {
        QCOMPARE(SegmentCentre(0.1 + 0.2, 0.1 + 0.2, kTrunkFractions), 0.1 + 0.2);
        FigurePoints p = WorkedFrame();
        ComputeCentreOfMass(p, 500);
        // The trunk is vertical, the upper arm horizontal: their centres sit on those lines.
        QCOMPARE(SegmentCentre(p.trunkX1, p.trunkX2, kTrunkFractions), 450.0);
        QCOMPARE(SegmentCentre(p.upperArmY1, p.upperArmY2, kUpperArmFractions), 82.0);
    }

    void workedFrameOnATallerCanvas() {
        FigurePoints p = WorkedFrame();
        COMPARE_DECIMALS(SegmentCentre(p.trunkY1, p.trunkY2, kTrunkFractions), 89.92, 10);
        COMPARE_DECIMALS(SegmentCentre(p.upperArmX1, p.upperArmX2, kUpperArmFractions), 455.64, 10);
        COMPARE_DECIMALS(SegmentCentre(p.forearmY1, p.forearmY2, kForearmFractions), 78.22, 10);
        COMPARE_DECIMALS(SegmentCentre(p.thighX1, p.thighX2, kThighFractions), 444.72, 10);
        COMPARE_DECIMALS(SegmentCentre(p.shankY1, p.shankY2, kShankFractions), 105.04, 10);
        ComputeCentreOfMass(p, 500);
        COMPARE_DECIMALS(p.bodyComX, 448.1112, 4);
        COMPARE_DECIMALS(p.bodyComHeight, 407.8006, 4);
        COMPARE_DECIMALS(500 - p.bodyComHeight, 92.1994, 4);
    }

    void heightFollowsTheCanvasOneForOne() {
        FigurePoints low = WorkedFrame();
        FigurePoints high = WorkedFrame();
        ComputeCentreOfMass(low, 500);
        ComputeCentreOfMass(high, 650);
        COMPARE_DECIMALS(high.bodyComHeight - low.bodyComHeight, 150, 9);
        COMPARE_DECIMALS(650 - high.bodyComHeight, 500 - low.bodyComHeight, 9);
        QCOMPARE(high.bodyComX, low.bodyComX);
    }

    void uprightTrunkCentreOfTheReferenceFigure() {
        const FigurePoints p = ReferenceFigureOf(1, 500.0f);
        QCOMPARE(SegmentCentre(p.trunkX1, p.trunkX2, kTrunkFractions), 450.0);
        COMPARE_DECIMALS(500 - SegmentCentre(p.trunkY1, p.trunkY2, kTrunkFractions), 410.08, 10);
    }

    void centreOfMassWritesNothingElse() {
        FigurePoints p = WorkedFrame();
        p.neckX1 = 1, p.neckY1 = 2, p.neckX2 = 3, p.neckY2 = 4, p.hipX = 5, p.hipHeight = 6;
        const FigurePoints before = p;
        ComputeCentreOfMass(p, 500);
        QCOMPARE(p.trunkY2, before.trunkY2);
        QCOMPARE(p.headY, before.headY);
        QCOMPARE(p.neckY2, before.neckY2);
        QCOMPARE(p.hipHeight, before.hipHeight);
        // Moving the neck, which carries no mass, moves nothing.
        FigurePoints moved = p;
        moved.neckX2 = 1000;
        ComputeCentreOfMass(moved, 500);
        QCOMPARE(moved.bodyComX, p.bodyComX);
    }
};

QTEST_APPLESS_MAIN(FigureTest)
#include "test_figure.moc"
