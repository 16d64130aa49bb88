// SPDX-License-Identifier: MIT
// The exact model's floor contacts: the first touch of any part inside a frame's interval, held
// against a scan of every interval a tenth of a millisecond apart.
#include "body/athlete.h"
#include "body/canvas_units.h"
#include "body/lowest_point.h"
#include "body/placed_figure.h"
#include "flight/exact_step.h"
#include "flight/landing.h"
#include "flight/whole_flight.h"

#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

using namespace purzo;

namespace {

using Postures = std::vector<int>;
constexpr double kFrameS = 1 / 17.0;

struct Scanned {
    double timeS = 0;
    BodyPart part = BodyPart::Foot;
    double rotationDeg = 0;
    double belowS = 0;     // how long the body stays on or below the floor in that interval
    bool endBelow = false; // whether it is still there at the interval's end
};

// The four limb angles as one vector, radians.
using Shape = std::array<double, 4>;

Shape ShapeOf(int posture) {
    const LimbDirections d = LimbDirectionsFor(posture);
    return {d.upperArmAngle, d.forearmAngle, d.thighAngle, d.shankAngle};
}

LimbDirections DirectionsOf(const Shape& s) {
    return {s[0], s[1], s[2], s[3]};
}

// reached = from + min(1, v·Δt / max|Δ|)·(target − from)
Shape Reached(const Shape& from, const Shape& target, double limbSpeedRadPerS) {
    double largest = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        largest = std::max(largest, std::abs(target[i] - from[i]));
    }
    const double k = largest == 0 ? 1 : std::min(1.0, limbSpeedRadPerS * kFrameS / largest);
    Shape s;
    for (std::size_t i = 0; i < 4; ++i) {
        s[i] = from[i] + k * (target[i] - from[i]);
    }
    return s;
}

// The flight's first sample on or below the floor, looking `looks` times into every interval:
// the limbs move linearly towards each frame's posture as far as the athlete's limb speed lets
// them, the body turning by the model's quadrature, its centre of mass on the parabola.
std::optional<Scanned> ScanFirstContact(double speed, double angle, const Postures& postures,
                                        const Athlete& athlete, int looks) {
    const FlightParameters params = ComputeFlightParameters(speed, angle);
    const MassiveBody body = MassiveBodyOf(athlete);
    const double takeoffHeightM = ExactTakeoffHeightM(body.lengths);
    const double L = TakeoffAngularMomentumKgM2PerS(athlete);
    Shape shapeFrom = ShapeOf(1);
    double theta = 0;
    for (int frame = 2; frame < 245; ++frame) {
        const Shape shapeTo =
            Reached(shapeFrom, ShapeOf(PostureForFrame(postures, frame)), athlete.limbSpeedRadPerS);
        const LimbDirections from = DirectionsOf(shapeFrom), to = DirectionsOf(shapeTo);
        std::optional<Scanned> found;
        for (int k = 1; k <= looks; ++k) {
            const double s = kFrameS * k / looks, f = double(k) / looks;
            Shape now;
            for (std::size_t i = 0; i < 4; ++i) {
                now[i] = shapeFrom[i] + (shapeTo[i] - shapeFrom[i]) * f;
            }
            const double turn = theta + TurnOverInterval(body, from, to, s, L);
            const double timeS = (frame - 2) * kFrameS + s;
            const Figure placed =
                PlaceAboutCentreOfMass(body.lengths, DirectionsOf(now), turn,
                                       ComputeExactFlightPoint(params, takeoffHeightM, timeS).path);
            const Contact lowest = LowestContact(placed, body.lengths.headRadius);
            const bool below = lowest.y >= kCanvasHeight;
            if (below && !found) {
                found = Scanned{timeS, lowest.part, turn * 180 / M_PI};
            }
            if (found) {
                found->belowS += below ? kFrameS / looks : 0;
                found->endBelow = below;
            }
        }
        if (found) {
            return found;
        }
        theta += TurnOverInterval(body, from, to, kFrameS, L);
        shapeFrom = shapeTo;
    }
    return std::nullopt;
}

Athlete Moving(double spinDegPerS, double limbSpeedRadPerS = 12) {
    Athlete a;
    a.spinDegPerS = spinDegPerS;
    a.limbSpeedRadPerS = limbSpeedRadPerS;
    return a;
}

Postures Tucked(int from, int frames) {
    Postures p(std::size_t(from - 1), 1);
    p.insert(p.end(), std::size_t(frames), 7);
    p.push_back(1);
    return p;
}

} // namespace

class ContactTest : public QObject {
    Q_OBJECT
private slots:
    // The hand sweeps through the floor before the tuck begins, 170° into the flight: the flight
    // ends there, where an independent computation found it (0.471 s).
    void handBeforeTheTuckEndsTheFlight() {
        const FrameResult last = RunWholeFlight(ComputeFlightParameters(5, 30), Tucked(10, 12),
                                                Model::Exact, Moving(360))
                                     .back();
        QVERIFY(last.landed);
        QCOMPARE(last.lowestPart, BodyPart::Hand);
        QVERIFY2(std::abs(last.timeS - 0.471) < 5e-4,
                 qPrintable(QStringLiteral("touchdown at %1 s").arg(last.timeS, 0, 'f', 5)));
        QVERIFY2(std::abs(last.rotationDeg - 170) < 0.5,
                 qPrintable(QStringLiteral("turned %1°").arg(last.rotationDeg, 0, 'f', 2)));
        QCOMPARE(LandingOf(last)->verdict, Verdict::NotOnFeet);
    }

    // Nothing a scan every 0.1 ms finds comes before the model's touchdown, and the model's
    // touchdown is no more than one look before the scan's, with the same part, turn and verdict.
    void noContactPassesUnseen_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("spin");
        QTest::addColumn<double>("limbSpeed");
        QTest::addColumn<Postures>("postures");
        QTest::newRow("stretched") << 6.0 << 60.0 << 170.0 << 12.0 << Postures{1};
        QTest::newRow("tucked throughout") << 4.0 << 30.0 << 170.0 << 12.0 << Tucked(2, 10);
        QTest::newRow("fast spin, tucked late") << 5.0 << 30.0 << 360.0 << 12.0 << Tucked(10, 12);
        QTest::newRow("steep, fastest spin") << 4.0 << 70.0 << 400.0 << 12.0 << Tucked(2, 10);
        QTest::newRow("steep, fastest limbs") << 4.0 << 70.0 << 400.0 << 30.0 << Tucked(2, 10);
        QTest::newRow("swinging") << 8.0 << 45.0 << 300.0 << 30.0
                                  << Postures{1, 7, 1, 7, 1, 7, 1, 7};
        QTest::newRow("slow limbs") << 7.0 << 55.0 << 250.0 << 4.0 << Tucked(3, 6);
        QTest::newRow("no spin") << 5.0 << 80.0 << 0.0 << 12.0 << Postures{1, 4, 7, 7, 2};
    }
    void noContactPassesUnseen() {
        QFETCH(double, speed);
        QFETCH(double, angle);
        QFETCH(double, spin);
        QFETCH(double, limbSpeed);
        QFETCH(Postures, postures);
        const int looks = 600; // 0.098 ms apart
        const std::optional<Scanned> scanned =
            ScanFirstContact(speed, angle, postures, Moving(spin, limbSpeed), looks);
        QVERIFY(scanned);
        const FrameResult last = RunWholeFlight(ComputeFlightParameters(speed, angle), postures,
                                                Model::Exact, Moving(spin, limbSpeed))
                                     .back();
        QVERIFY(last.landed);
        QVERIFY2(last.timeS <= scanned->timeS + 1e-12 &&
                     last.timeS > scanned->timeS - kFrameS / looks,
                 qPrintable(QStringLiteral("touchdown at %1 s, the scan's at %2 s")
                                .arg(last.timeS, 0, 'f', 6)
                                .arg(scanned->timeS, 0, 'f', 6)));
        QCOMPARE(last.lowestPart, scanned->part);
        // Within the turn of one look at the fastest a body of these spins turns, 2000°/s.
        QVERIFY(std::abs(last.rotationDeg - scanned->rotationDeg) < 2000 * kFrameS / looks);
        QCOMPARE(LandingOf(last)->verdict,
                 VerdictOf(scanned->part, AttitudeDeg(scanned->rotationDeg)));
    }

    // A foot that touches the floor for less than a tenth of an interval and is clear of it again
    // at the interval's end.
    void shortDipEndsTheFlight() {
        const Postures postures = Tucked(11, 8);
        const Athlete athlete = Moving(300, 30);
        const std::optional<Scanned> scanned = ScanFirstContact(5, 80, postures, athlete, 6000);
        QVERIFY(scanned);
        QVERIFY2(scanned->belowS < kFrameS / 10 && !scanned->endBelow,
                 qPrintable(QStringLiteral("on the floor for %1 s").arg(scanned->belowS)));
        const FrameResult last =
            RunWholeFlight(ComputeFlightParameters(5, 80), postures, Model::Exact, athlete).back();
        QVERIFY(last.landed);
        QCOMPARE(last.lowestPart, scanned->part);
        QVERIFY2(std::abs(last.timeS - scanned->timeS) < kFrameS / 6000,
                 qPrintable(QStringLiteral("touchdown at %1 s, the scan's at %2 s")
                                .arg(last.timeS, 0, 'f', 6)
                                .arg(scanned->timeS, 0, 'f', 6)));
    }
};

QTEST_APPLESS_MAIN(ContactTest)
#include "test_contact.moc"
