// SPDX-License-Identifier: MIT
// The exact model: the body's inertia, the take-off, the turn by angular momentum, the touchdown
// and the worked flights.
#include "approx.h"
#include "body/body_inertia.h"
#include "body/canvas_units.h"
#include "body/centre_of_mass.h"
#include "body/placed_figure.h"
#include "body/segment_lengths.h"
#include "flight/exact_step.h"
#include "model_fixture.h"

#include <QTest>
#include <cmath>
#include <vector>

using namespace purzo;

namespace {

using Postures = std::vector<int>;

std::vector<FrameResult> ExactFlight(double speed, double angle, const Postures& postures) {
    return test::ModelFlight(speed, angle, postures, Model::Exact);
}

MassiveBody StandardBody() {
    return MassiveBodyOf(kStandardAthlete);
}

double Length(const Segment& s) {
    return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
}

// Direction of a segment, clockwise from straight up.
double Direction(const Segment& s) {
    return std::atan2(s.to.x - s.from.x, -(s.to.y - s.from.y));
}

} // namespace

class ExactModelTest : public QObject {
    Q_OBJECT
private slots:
    void momentOfInertiaPerPosture_data() {
        QTest::addColumn<int>("posture");
        QTest::addColumn<double>("inertiaKgM2");
        // Worked by hand from the parts' centres, masses and radii of gyration about the
        // somersault (mediolateral) axis.
        QTest::newRow("stretched") << 1 << 17.357;
        QTest::newRow("posture 2") << 2 << 16.452;
        QTest::newRow("posture 3, more than 2") << 3 << 16.585;
        QTest::newRow("posture 4") << 4 << 15.363;
        QTest::newRow("posture 5") << 5 << 8.705;
        QTest::newRow("posture 6") << 6 << 5.558;
        QTest::newRow("tucked") << 7 << 3.784;
    }
    void momentOfInertiaPerPosture() {
        QFETCH(int, posture);
        QFETCH(double, inertiaKgM2);
        COMPARE_DECIMALS(MomentOfInertiaKgM2(StandardBody(), LimbDirectionsFor(posture)),
                         inertiaKgM2, 3);
    }

    void takeoffHeightAndAngularMomentum() {
        COMPARE_DECIMALS(ExactTakeoffHeightM(StandardSegmentLengths()), 0.99706, 5);
        COMPARE_DECIMALS(TakeoffAngularMomentumKgM2PerS(kStandardAthlete), 51.499, 3);
    }

    void heldPostureTurnsAtLOverI_data() {
        QTest::addColumn<int>("posture");
        QTest::addColumn<double>("degPerS");
        QTest::newRow("stretched") << 1 << 170.0;
        QTest::newRow("tucked") << 7 << 779.7;
    }
    void heldPostureTurnsAtLOverI() {
        QFETCH(int, posture);
        QFETCH(double, degPerS);
        const std::vector<FrameResult> frames = ExactFlight(6, 60, {posture});
        // Frame 10: the limbs have long reached the posture and held it over the interval.
        const FrameResult& tenth = frames.at(9);
        COMPARE_DECIMALS(tenth.omegaDegPerS, degPerS, 1);
        QCOMPARE(tenth.angularMomentumKgM2PerS, TakeoffAngularMomentumKgM2PerS(kStandardAthlete));
    }

    void stretchedTurnsTenDegreesAFrame() {
        const std::vector<FrameResult> frames = ExactFlight(6, 60, {1});
        for (const FrameResult& f : frames) {
            if (!f.landed) {
                QVERIFY(std::abs(f.rotationDeg - 10.0 * (f.frame - 1)) < 1e-9);
                QCOMPARE(f.timeS, (f.frame - 1) / 17.0);
            }
        }
    }

    // Independent of the model's quadrature: the parts' motion between two placed figures a
    // moment apart carries the take-off's angular momentum, also while the limbs swing.
    void angularMomentumOfTheMovingPartsIsConserved_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<double>("fraction");
        QTest::newRow("tucking, early") << 1 << 7 << 0.2;
        QTest::newRow("tucking, late") << 1 << 7 << 0.8;
        QTest::newRow("stretching") << 6 << 2 << 0.5;
        QTest::newRow("arms only") << 4 << 5 << 0.4;
    }
    void angularMomentumOfTheMovingPartsIsConserved() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(double, fraction);
        const double frameS = 1 / 17.0;
        const double L = TakeoffAngularMomentumKgM2PerS(kStandardAthlete);
        const LimbDirections a = LimbDirectionsFor(from), b = LimbDirectionsFor(to);
        const double h = 1e-5; // s
        const SegmentLengths& lengths = StandardSegmentLengths();
        Figure placed[2];
        for (int k = 0; k < 2; ++k) {
            const double t = fraction * frameS + (k == 0 ? -h : h);
            const double s = t / frameS;
            const LimbDirections limbs{a.upperArmAngle + (b.upperArmAngle - a.upperArmAngle) * s,
                                       a.forearmAngle + (b.forearmAngle - a.forearmAngle) * s,
                                       a.thighAngle + (b.thighAngle - a.thighAngle) * s,
                                       a.shankAngle + (b.shankAngle - a.shankAngle) * s};
            placed[k] = PlaceAboutCentreOfMass(
                lengths, limbs, TurnOverInterval(StandardBody(), a, b, t, L), {40, 60});
        }
        // Parts' centres and spins, metres and seconds; the centre of mass stays at (40, 60).
        const double m = 1.0 / kUnitsPerMetre;
        double momentum = 0, energy = 0;
        for (std::size_t i = 0; i < kMassivePartCount; ++i) {
            Point c[2];
            double spin = 0;
            for (int k = 0; k < 2; ++k) {
                if (i < kSegmentFractions.size()) {
                    const Segment& s = placed[k].segments[i];
                    const double p = kSegmentFractions[i].p;
                    c[k] = {s.from.x + p * (s.to.x - s.from.x), s.from.y + p * (s.to.y - s.from.y)};
                } else {
                    c[k] = placed[k].head;
                }
            }
            const std::size_t spinning = i < kSegmentFractions.size() ? i : 0; // head with trunk
            spin = std::remainder(Direction(placed[1].segments[spinning]) -
                                      Direction(placed[0].segments[spinning]),
                                  2 * M_PI) /
                   (2 * h);
            const double mass =
                (i < kSegmentFractions.size() ? kSegmentFractions[i].mass : kHeadMassFraction) *
                kStandardAthlete.massKg;
            const double length = (i == 0   ? lengths.trunkLength
                                   : i == 1 ? lengths.upperArmLength
                                   : i == 2 ? lengths.forearmLength
                                   : i == 3 ? lengths.thighLength
                                   : i == 4 ? lengths.shankLength
                                            : 2 * lengths.headRadius) *
                                  m;
            const double own = mass * std::pow(kGyrationFractions[i] * length, 2);
            const double rx = ((c[0].x + c[1].x) / 2 - 40) * m,
                         ry = ((c[0].y + c[1].y) / 2 - 60) * m;
            const double vx = (c[1].x - c[0].x) * m / (2 * h), vy = (c[1].y - c[0].y) * m / (2 * h);
            momentum += mass * (rx * vy - ry * vx) + own * spin;
            energy += mass * (vx * vx + vy * vy) / 2 + own * spin * spin / 2;
        }
        QVERIFY2(std::abs(momentum - L) < 1e-4,
                 qPrintable(QStringLiteral("%1 kg·m²/s, expected %2").arg(momentum).arg(L)));
        // The model's rotational energy at that moment: every part's motion about the centre.
        const double s = fraction;
        const LimbDirections now{a.upperArmAngle + (b.upperArmAngle - a.upperArmAngle) * s,
                                 a.forearmAngle + (b.forearmAngle - a.forearmAngle) * s,
                                 a.thighAngle + (b.thighAngle - a.thighAngle) * s,
                                 a.shankAngle + (b.shankAngle - a.shankAngle) * s};
        const LimbRates rates{(b.upperArmAngle - a.upperArmAngle) / frameS,
                              (b.forearmAngle - a.forearmAngle) / frameS,
                              (b.thighAngle - a.thighAngle) / frameS,
                              (b.shankAngle - a.shankAngle) / frameS};
        const ShapeMotion motion = ShapeMotionOf(StandardBody(), now, rates);
        const double omega = (L - motion.shapeMomentumKgM2PerS) / motion.inertiaKgM2;
        const double modelEnergy = RotationOf(motion, omega).energyJ;
        QVERIFY2(std::abs(energy - modelEnergy) < 1e-3 * modelEnergy,
                 qPrintable(QStringLiteral("%1 J, expected %2").arg(energy).arg(modelEnergy)));
    }

    void workedFlights_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<Postures>("postures");
        QTest::addColumn<int>("frames");
        QTest::addColumn<double>("touchdownS");
        QTest::addColumn<double>("distanceM");
        QTest::addColumn<double>("rotationDeg");
        QTest::addColumn<int>("contact");
        QTest::newRow("6 m/s 60°")
            << 6.0 << 60.0 << Postures{1} << 19 << 1.0390 << 3.117 << 176.6 << int(BodyPart::Hand);
        QTest::newRow("4 m/s 30°")
            << 4.0 << 30.0 << Postures{1} << 12 << 0.6247 << 2.164 << 106.2 << int(BodyPart::Head);
        QTest::newRow("8 m/s 80°")
            << 8.0 << 80.0 << Postures{1} << 30 << 1.6905 << 2.348 << 287.4 << int(BodyPart::Foot);
    }
    void workedFlights() {
        QFETCH(double, speed);
        QFETCH(double, angle);
        QFETCH(Postures, postures);
        QFETCH(int, frames);
        QFETCH(double, touchdownS);
        QFETCH(double, distanceM);
        QFETCH(double, rotationDeg);
        QFETCH(int, contact);
        const std::vector<FrameResult> flight = ExactFlight(speed, angle, postures);
        QCOMPARE(int(flight.size()), frames);
        const FrameResult& last = flight.back();
        QVERIFY(last.landed && last.lastFrame);
        COMPARE_DECIMALS(last.timeS, touchdownS, 4);
        COMPARE_DECIMALS(last.flightX, distanceM, 3);
        COMPARE_DECIMALS(last.rotationDeg, rotationDeg, 1);
        QCOMPARE(int(last.lowestPart), contact);
    }

    // Over take-offs across the range and posture lists that tuck, stretch and swing.
    void everyFrameIsARigidBodyOnItsPath() {
        const SegmentLengths& lengths = StandardSegmentLengths();
        const std::vector<Postures> lists{
            {1},      {7}, {1, 1, 7}, {1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1}, {7, 1, 7, 1, 7, 1},
            {5, 5, 3}};
        int flights = 0;
        for (const double speed : {4.0, 5.5, 8.0}) {
            for (const double angle : {30.0, 45.0, 62.5, 80.0}) {
                for (const Postures& list : lists) {
                    const std::vector<FrameResult> flight = ExactFlight(speed, angle, list);
                    QVERIFY(flight.back().landed);
                    QVERIFY(std::abs(flight.front().lowestPointY - kCanvasHeight) < 1e-9);
                    QVERIFY(std::abs(flight.back().lowestPointY - kCanvasHeight) < 1e-9);
                    for (const FrameResult& f : flight) {
                        const CentreOfMass com = ComputeCentreOfMass(f.figure, kCanvasHeight);
                        QVERIFY(std::abs(com.bodyComX - f.pathX) < 1e-9);
                        QVERIFY(std::abs((kCanvasHeight - com.bodyComHeight) - f.pathY) < 1e-9);
                        QVERIFY(std::abs(Length(f.figure[BodyPart::Trunk]) - lengths.trunkLength) <
                                1e-9);
                        QVERIFY(std::abs(Length(f.figure[BodyPart::Shank]) - lengths.shankLength) <
                                1e-9);
                        if (&f != &flight.back()) {
                            QVERIFY(f.lowestPointY < kCanvasHeight || f.frame == 1);
                        }
                    }
                    ++flights;
                }
            }
        }
        QCOMPARE(flights, 72);
    }
};

QTEST_APPLESS_MAIN(ExactModelTest)
#include "test_exact.moc"
