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
#include <optional>
#include <vector>

using namespace purzo;

namespace {

using Postures = std::vector<int>;
constexpr double kFrameS = 1 / 17.0;

struct Scanned {
    double timeS = 0;
    BodyPart part = BodyPart::Foot;
};

// The flight's first sample on or below the floor, looking `looks` times into every interval:
// the body's shape moves linearly from one frame's posture to the next, turning by the model's
// quadrature, its centre of mass on the parabola.
std::optional<Scanned> ScanFirstContact(const FlightParameters& params, const Postures& postures,
                                        const Athlete& athlete, int looks) {
    const MassiveBody body = MassiveBodyOf(athlete);
    const double takeoffHeightM = ExactTakeoffHeightM(body.lengths);
    const double L = TakeoffAngularMomentumKgM2PerS(athlete);
    LimbDirections shape = LimbDirectionsFor(1);
    double theta = 0;
    for (int frame = 2; frame < 245; ++frame) {
        const LimbDirections to = LimbDirectionsFor(PostureForFrame(postures, frame));
        for (int k = 1; k <= looks; ++k) {
            const double s = kFrameS * k / looks, f = double(k) / looks;
            const LimbDirections limbs{
                shape.upperArmAngle + (to.upperArmAngle - shape.upperArmAngle) * f,
                shape.forearmAngle + (to.forearmAngle - shape.forearmAngle) * f,
                shape.thighAngle + (to.thighAngle - shape.thighAngle) * f,
                shape.shankAngle + (to.shankAngle - shape.shankAngle) * f};
            const double timeS = (frame - 2) * kFrameS + s;
            const Figure placed = PlaceAboutCentreOfMass(
                body.lengths, limbs, theta + TurnOverInterval(body, shape, to, s, L),
                ComputeExactFlightPoint(params, takeoffHeightM, timeS).path);
            const Contact lowest = LowestContact(placed, body.lengths.headRadius);
            if (lowest.y >= kCanvasHeight) {
                return Scanned{timeS, lowest.part};
            }
        }
        theta += TurnOverInterval(body, shape, to, kFrameS, L);
        shape = to;
    }
    return std::nullopt;
}

Athlete Spinning(double degPerS) {
    Athlete a;
    a.spinDegPerS = degPerS;
    return a;
}

} // namespace

class ContactTest : public QObject {
    Q_OBJECT
private slots:
    // Flights whose hand sweeps through the floor inside an interval and is back above it at the
    // interval's end; the times and rotations are those an independent computation found.
    void handInsideAnIntervalEndsTheFlight_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("spin");
        QTest::addColumn<Postures>("postures");
        QTest::addColumn<double>("touchdownS");
        QTest::addColumn<double>("rotationDeg");
        QTest::newRow("4 m/s 30°, tucked throughout")
            << 4.0 << 30.0 << 170.0 << Postures{1, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 1} << 0.6061
            << 457.2;
        QTest::newRow("5 m/s 30° at 360°/s, tucked late")
            << 5.0 << 30.0 << 360.0
            << Postures{1, 1, 1, 1, 1, 1, 1, 1, 1, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 1} << 0.4710
            << 169.7;
        QTest::newRow("4 m/s 70° at 720°/s")
            << 4.0 << 70.0 << 720.0 << Postures{1, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 1} << 0.7420
            << 1990.2;
    }
    void handInsideAnIntervalEndsTheFlight() {
        QFETCH(double, speed);
        QFETCH(double, angle);
        QFETCH(double, spin);
        QFETCH(Postures, postures);
        QFETCH(double, touchdownS);
        QFETCH(double, rotationDeg);
        const FlightParameters params = ComputeFlightParameters(speed, angle);
        const std::vector<FrameResult> frames =
            RunWholeFlight(params, postures, Model::Exact, Spinning(spin));
        const FrameResult& last = frames.back();
        QVERIFY(last.landed);
        QCOMPARE(last.lowestPart, BodyPart::Hand);
        QVERIFY2(std::abs(last.timeS - touchdownS) < 5e-5,
                 qPrintable(QStringLiteral("touchdown at %1 s").arg(last.timeS, 0, 'f', 5)));
        QVERIFY2(std::abs(last.rotationDeg - rotationDeg) < 0.05,
                 qPrintable(QStringLiteral("turned %1°").arg(last.rotationDeg, 0, 'f', 2)));
        QCOMPARE(LandingOf(last)->verdict, Verdict::NotOnFeet);
    }

    // Nothing a scan every 0.1 ms finds comes before the model's touchdown, and the model's
    // touchdown is no more than one look before the scan's.
    void noContactPassesUnseen_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("spin");
        QTest::addColumn<Postures>("postures");
        QTest::newRow("stretched") << 6.0 << 60.0 << 170.0 << Postures{1};
        QTest::newRow("tuck and open")
            << 4.0 << 30.0 << 170.0 << Postures{1, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 1};
        QTest::newRow("fast spin, tucked late")
            << 5.0 << 30.0 << 360.0
            << Postures{1, 1, 1, 1, 1, 1, 1, 1, 1, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 1};
        QTest::newRow("steep, fast spin")
            << 4.0 << 70.0 << 720.0 << Postures{1, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 1};
        QTest::newRow("swinging") << 8.0 << 45.0 << 300.0 << Postures{1, 7, 1, 7, 1, 7, 1, 7};
        QTest::newRow("no spin") << 5.0 << 80.0 << 0.0 << Postures{1, 4, 7, 7, 2};
    }
    void noContactPassesUnseen() {
        QFETCH(double, speed);
        QFETCH(double, angle);
        QFETCH(double, spin);
        QFETCH(Postures, postures);
        const FlightParameters params = ComputeFlightParameters(speed, angle);
        const int looks = 600; // 0.098 ms apart
        const std::optional<Scanned> scanned =
            ScanFirstContact(params, postures, Spinning(spin), looks);
        QVERIFY(scanned);
        const FrameResult last =
            RunWholeFlight(params, postures, Model::Exact, Spinning(spin)).back();
        QVERIFY(last.landed);
        QVERIFY2(last.timeS <= scanned->timeS + 1e-12 &&
                     last.timeS > scanned->timeS - kFrameS / looks,
                 qPrintable(QStringLiteral("touchdown at %1 s, the scan's at %2 s")
                                .arg(last.timeS, 0, 'f', 6)
                                .arg(scanned->timeS, 0, 'f', 6)));
        QCOMPARE(last.lowestPart, scanned->part);
    }
};

QTEST_APPLESS_MAIN(ContactTest)
#include "test_contact.moc"
