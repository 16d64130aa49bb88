// SPDX-License-Identifier: MIT
// Postures, the reference figure and its centre of mass after the segment model.
#include "approx.h"
#include "body/canvas_units.h"
#include "body/centre_of_mass.h"
#include "body/posture_table.h"
#include "body/reference_figure.h"
#include "body/rotated_figure.h"
#include "body/segment_lengths.h"

#include <QTest>

using namespace purzo;

namespace {

Figure ReferenceFigureOf(int posture, double canvasHeight = 150) {
    return BuildReferenceFigure(StandardSegmentLengths(), canvasHeight, LimbDirectionsFor(posture));
}

CentreOfMass CentreOfMassOf(int posture, double canvasHeight = 150) {
    return ComputeCentreOfMass(ReferenceFigureOf(posture, canvasHeight), canvasHeight);
}

// A figure with easy numbers on a canvas 500 units high; the centres below follow by hand.
Figure WorkedFrame() {
    const Point hip{450, 100}, shoulder{450, 82}, elbow{462, 82}, hand{462, 73}, knee{438, 100},
        foot{438, 112};
    Figure f;
    f[BodyPart::Trunk] = {hip, shoulder};
    f[BodyPart::UpperArm] = {shoulder, elbow};
    f[BodyPart::Forearm] = {elbow, hand};
    f[BodyPart::Thigh] = {hip, knee};
    f[BodyPart::Shank] = {knee, foot};
    f.head = {450, 74.5};
    return f;
}

double CentreX(const Figure& f, BodyPart id) {
    const Segment& s = f[id];
    return SegmentCentre(s.from.x, s.to.x, FractionsOf(id));
}
double CentreY(const Figure& f, BodyPart id) {
    const Segment& s = f[id];
    return SegmentCentre(s.from.y, s.to.y, FractionsOf(id));
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
        const LimbDirections limbs = LimbDirectionsFor(posture);
        QCOMPARE(PostureRowFor(posture).rotationIncrementDeg, increment);
        QCOMPARE(limbs.upperArmAngle, (3.14159 * upperArm) / 180);
        QCOMPARE(limbs.forearmAngle, (3.14159 * forearm) / 180);
        QCOMPARE(limbs.thighAngle, (3.14159 * thigh) / 180);
        QCOMPARE(limbs.shankAngle, (3.14159 * shank) / 180);
    }

    void thighOfPosture1IsTheStoredPi() { QCOMPARE(LimbDirectionsFor(1).thighAngle, 3.14159); }

    void postureOutsideTheTableIsHeldAtItsEnds() {
        QCOMPARE(PostureRowFor(0).rotationIncrementDeg, 10);
        QCOMPARE(PostureRowFor(99).rotationIncrementDeg, 30);
    }

    void referenceFigureOfPosture1() {
        const Figure f = ReferenceFigureOf(1);
        QCOMPARE(f.hip(), (Point{450, -250}));
        QCOMPARE(f.shoulder(), (Point{450, -268}));
        COMPARE_DECIMALS(f.elbow().x, 450, 4);
        COMPARE_DECIMALS(f.elbow().y, -280, 4);
        COMPARE_DECIMALS(f.hand().x, 450, 4);
        COMPARE_DECIMALS(f.hand().y, -289, 4);
        COMPARE_DECIMALS(f.knee().x, 450.0000, 4);
        COMPARE_DECIMALS(f.knee().y, -238, 4);
        COMPARE_DECIMALS(f.foot().x, 450.0001, 4);
        COMPARE_DECIMALS(f.foot().y, -226, 4);
        // The stored pi is a little short of the real one, so the legs lean a trace forward.
        QVERIFY(f.knee().x > 450.0 && f.foot().x > f.knee().x);
        QCOMPARE(f.neckEnd(), (Point{450, -271}));
        QCOMPARE(f.head, (Point{450, -275.5}));
    }

    void trunkNeckAndHeadStayUpright() {
        for (int posture = 1; posture <= 7; ++posture) {
            const Figure f = ReferenceFigureOf(posture);
            QCOMPARE(f.shoulder().x, f.hip().x);
            QCOMPARE(f.neckEnd().x, f.shoulder().x);
            QCOMPARE(f.head.x, f.shoulder().x);
            // Shared joints are stored in both segments.
            QCOMPARE(f[BodyPart::UpperArm].from, f.shoulder());
            QCOMPARE(f[BodyPart::Forearm].from, f.elbow());
            QCOMPARE(f[BodyPart::Thigh].from, f.hip());
            QCOMPARE(f[BodyPart::Shank].from, f.knee());
            QCOMPARE(f[BodyPart::Neck].from, f.shoulder());
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
        for (const double canvasHeight : {150.0, 500.0}) {
            const CentreOfMass com = CentreOfMassOf(posture, canvasHeight);
            COMPARE_DECIMALS(com.bodyComX, comX, 4);
            COMPARE_DECIMALS(com.bodyComHeight, comHeight, 4);
        }
    }

    void placementDistancesOfPosture1() {
        const auto [comToHip, comToShoulder] = ComputePlacementDistances(CentreOfMassOf(1), 18);
        COMPARE_DECIMALS(comToHip, 5.9118, 4);
        COMPARE_DECIMALS(comToShoulder, 12.0882, 4);
        const auto other = ComputePlacementDistances(CentreOfMassOf(1, 500), 18);
        COMPARE_DECIMALS(other.comToHip, 5.9118, 4);
        COMPARE_DECIMALS(other.comToShoulder, 12.0882, 4);
    }

    void fractionsFromTheSecondPointAreStoredApart() {
        QCOMPARE(FractionsOf(BodyPart::Forearm).q, 0.5800000000000001);
        QCOMPARE(FractionsOf(BodyPart::Shank).q, 0.5800000000000001);
        QVERIFY(FractionsOf(BodyPart::Forearm).q != 0.58);
        QCOMPARE(FractionsOf(BodyPart::Trunk).q, 0.44);
        QCOMPARE(FractionsOf(BodyPart::Trunk).mass, 0.43);
        QCOMPARE(FractionsOf(BodyPart::UpperArm).p, 0.47);
        QCOMPARE(FractionsOf(BodyPart::Thigh).mass, 0.24);
        QCOMPARE(FractionsOf(BodyPart::Shank).mass, 0.14);
        double massSum = kHeadMassFraction;
        for (const SegmentFractions& f : kSegmentFractions) {
            massSum += f.mass;
        }
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
        COMPARE_DECIMALS(SegmentCentre(a, b, FractionsOf(BodyPart::Forearm)), centre, 10);
    }

    void coincidentAndStraightSegmentsKeepTheirCoordinateExactly() {
        QCOMPARE(SegmentCentre(0.1 + 0.2, 0.1 + 0.2, FractionsOf(BodyPart::Trunk)), 0.1 + 0.2);
        const Figure f = WorkedFrame();
        // The trunk is vertical, the upper arm horizontal: their centres sit on those lines.
        QCOMPARE(CentreX(f, BodyPart::Trunk), 450.0);
        QCOMPARE(CentreY(f, BodyPart::UpperArm), 82.0);
    }

    void workedFrameOnATallerCanvas() {
        const Figure f = WorkedFrame();
        COMPARE_DECIMALS(CentreY(f, BodyPart::Trunk), 89.92, 10);
        COMPARE_DECIMALS(CentreX(f, BodyPart::UpperArm), 455.64, 10);
        COMPARE_DECIMALS(CentreY(f, BodyPart::Forearm), 78.22, 10);
        COMPARE_DECIMALS(CentreX(f, BodyPart::Thigh), 444.72, 10);
        COMPARE_DECIMALS(CentreY(f, BodyPart::Shank), 105.04, 10);
        const CentreOfMass com = ComputeCentreOfMass(f, 500);
        COMPARE_DECIMALS(com.bodyComX, 448.1112, 4);
        COMPARE_DECIMALS(com.bodyComHeight, 407.8006, 4);
        COMPARE_DECIMALS(500 - com.bodyComHeight, 92.1994, 4);
    }

    void heightFollowsTheCanvasOneForOne() {
        const CentreOfMass low = ComputeCentreOfMass(WorkedFrame(), 500);
        const CentreOfMass high = ComputeCentreOfMass(WorkedFrame(), 650);
        COMPARE_DECIMALS(high.bodyComHeight - low.bodyComHeight, 150, 9);
        COMPARE_DECIMALS(650 - high.bodyComHeight, 500 - low.bodyComHeight, 9);
        QCOMPARE(high.bodyComX, low.bodyComX);
    }

    void uprightTrunkCentreOfTheReferenceFigure() {
        const Figure f = ReferenceFigureOf(1, 500);
        QCOMPARE(CentreX(f, BodyPart::Trunk), 450.0);
        COMPARE_DECIMALS(500 - CentreY(f, BodyPart::Trunk), 410.08, 10);
    }

    void neckCarriesNoMass() {
        Figure moved = WorkedFrame();
        moved[BodyPart::Neck] = {{1, 2}, {1000, 4}};
        const CentreOfMass a = ComputeCentreOfMass(WorkedFrame(), 500);
        const CentreOfMass b = ComputeCentreOfMass(moved, 500);
        QCOMPARE(b.bodyComX, a.bodyComX);
        QCOMPARE(b.bodyComHeight, a.bodyComHeight);
        // The head does: moving it by 10 moves the centre by its share, 0.07 × 10.
        moved.head.x += 10;
        COMPARE_DECIMALS(ComputeCentreOfMass(moved, 500).bodyComX - a.bodyComX, 0.7, 9);
    }
};

QTEST_APPLESS_MAIN(FigureTest)
#include "test_figure.moc"
