// SPDX-License-Identifier: MIT
// The exact model with another athlete, and the whole angular-momentum balance in every frame.
#include "approx.h"
#include "body/athlete.h"
#include "body/body_inertia.h"
#include "flight/athlete_text.h"
#include "flight/exact_step.h"
#include "flight/whole_flight.h"

#include <QTest>
#include <cmath>
#include <numbers>
#include <vector>

using namespace purzo;

namespace {

using Postures = std::vector<int>;

std::vector<FrameResult> Fly(const Athlete& athlete, const Postures& postures, double speed = 6,
                             double angle = 60) {
    return RunWholeFlight(ComputeFlightParameters(speed, angle), postures, Model::Exact, athlete);
}

double Length(const Segment& s) {
    return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
}

double ToRad(double degrees) {
    return degrees * std::numbers::pi / 180;
}

} // namespace

Q_DECLARE_METATYPE(Athlete)

class AthleteTest : public QObject {
    Q_OBJECT
private slots:
    void workedAthletes_data() {
        QTest::addColumn<Athlete>("athlete");
        QTest::addColumn<double>("momentum");
        QTest::addColumn<double>("takeoffHeightM");
        QTest::addColumn<double>("stretchedI");
        QTest::addColumn<double>("tuckedI");
        QTest::newRow("50 kg, 1.60 m")
            << Athlete{50, 1.6, 170} << 29.065 << 0.88628 << 9.796 << 2.136;
        QTest::newRow("90 kg, 1.95 m")
            << Athlete{90, 1.95, 170} << 77.709 << 1.08015 << 26.191 << 5.710;
        QTest::newRow("300°/s") << Athlete{70, 1.8, 300} << 90.881 << 0.99706 << 17.357 << 3.784;
        QTest::newRow("no spin") << Athlete{70, 1.8, 0} << 0.0 << 0.99706 << 17.357 << 3.784;
    }
    void workedAthletes() {
        QFETCH(Athlete, athlete);
        QFETCH(double, momentum);
        QFETCH(double, takeoffHeightM);
        QFETCH(double, stretchedI);
        QFETCH(double, tuckedI);
        const std::vector<FrameResult> flight = Fly(athlete, {1, 7});
        QVERIFY(flight.back().landed);
        COMPARE_DECIMALS(flight.back().angularMomentumKgM2PerS, momentum, 3);
        COMPARE_DECIMALS(flight.front().inertiaKgM2, stretchedI, 3);
        // Frame 10: the tuck long reached.
        COMPARE_DECIMALS(flight.at(9).inertiaKgM2, tuckedI, 3);
        // The centre of mass starts its parabola at the take-off height.
        COMPARE_DECIMALS((150 - flight.front().pathY) / 30, takeoffHeightM, 5);
    }

    // Without spin the body turns only by moving its limbs, ∫ −H/I dt, which depends on the way
    // the shape goes, not on how fast: a way there and back along the same line turns nothing,
    // and the same way taken at any limb speed turns the same.
    void zeroSpinSelfTurnIsTheWaysOwn_data() {
        QTest::addColumn<Postures>("postures");
        QTest::addColumn<bool>("sameLine");
        // Below 30 rad/s the tuck is not reached before the stretch: back along the same line.
        QTest::newRow("tuck and back") << Postures{1, 1, 7, 7, 7, 1} << true;
        QTest::newRow("tuck, then stretch at once") << Postures{1, 7, 1} << true;
        // Every target held long enough to be reached at 6 rad/s (0.35 rad a frame: 45° in 3
        // frames, 125° in 7, 170° in 9): 1 → 4 → 7 → 1 at every speed.
        QTest::newRow("by way of posture 4")
            << Postures{1, 4, 4, 4, 7, 7, 7, 7, 7, 7, 7, 1} << false;
    }
    void zeroSpinSelfTurnIsTheWaysOwn() {
        QFETCH(Postures, postures);
        QFETCH(bool, sameLine);
        std::vector<double> turns;
        for (const double limbSpeed : {6.0, 12.0, 30.0}) {
            const std::vector<FrameResult> flight = Fly({70, 1.8, 0, limbSpeed}, postures, 8, 80);
            QVERIFY(flight.back().landed);
            // Stretched again, long before the touchdown.
            QCOMPARE(flight.back().shape, LimbDegreesFor(1));
            turns.push_back(flight.back().rotationDeg);
        }
        for (const double turn : turns) {
            QVERIFY2(std::abs(turn - (sameLine ? 0.0 : turns.front())) < 1e-6,
                     qPrintable(QStringLiteral("turned %1°, %2° at 6 rad/s")
                                    .arg(turn, 0, 'g', 12)
                                    .arg(turns.front(), 0, 'g', 12)));
        }
        if (!sameLine) {
            QVERIFY(std::abs(turns.front()) > 0.1);
        }
    }

    // L = Iω + H in every frame, the energy ½Iω² wherever the shape was held over the interval
    // before the frame, over take-offs, athletes and lists that tuck, stretch and swing.
    void balanceHoldsInEveryFrame() {
        const std::vector<Postures> lists{{1, 1, 7},
                                          {1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1},
                                          {7, 1, 7, 1, 7, 1},
                                          {1, 5, 5, 3, 3, 3, 6, 2}};
        const std::vector<Athlete> athletes{
            {}, {20, 1.0, 0, 4}, {150, 2.2, 400, 30}, {45, 1.5, 90, 12}};
        int shapeChanges = 0;
        for (const Athlete& athlete : athletes) {
            for (const double speed : {4.0, 8.0}) {
                for (const Postures& list : lists) {
                    const std::vector<FrameResult> flight = Fly(athlete, list, speed, 45);
                    QVERIFY(flight.back().landed);
                    for (const FrameResult& f : flight) {
                        const double omega = ToRad(f.omegaNowDegPerS);
                        const double L = f.angularMomentumKgM2PerS;
                        QVERIFY2(std::abs(f.inertiaKgM2 * omega + f.shapeMomentumKgM2PerS - L) <
                                     1e-9,
                                 qPrintable(QStringLiteral("frame %1").arg(f.frame)));
                        const bool held =
                            f.frame == 1 || flight[std::size_t(f.frame - 2)].shape == f.shape;
                        if (held) {
                            QCOMPARE(f.shapeMomentumKgM2PerS, 0.0);
                            QVERIFY(
                                std::abs(f.rotationalEnergyJ - f.inertiaKgM2 * omega * omega / 2) <
                                1e-9 * (1 + f.rotationalEnergyJ));
                        } else {
                            ++shapeChanges;
                            // The muscles move the limbs: energy above what the turn alone has.
                            QVERIFY(f.rotationalEnergyJ > L * L / (2 * f.inertiaKgM2) -
                                                              f.shapeMomentumKgM2PerS *
                                                                  f.shapeMomentumKgM2PerS /
                                                                  (2 * f.inertiaKgM2) -
                                                              1e-9);
                        }
                    }
                }
            }
        }
        QVERIFY(shapeChanges > 100);
    }

    void tuckRaisesTheEnergy() {
        const std::vector<FrameResult> flight = Fly({}, {1, 1, 7});
        COMPARE_DECIMALS(flight.at(1).rotationalEnergyJ, 76.4, 1);
        // Frame 10, the tuck reached and held: L²/2I.
        COMPARE_DECIMALS(flight.at(9).rotationalEnergyJ, 350.4, 1);
    }

    void massLeavesTheTurnUnchanged_data() {
        QTest::addColumn<double>("massKg");
        QTest::newRow("20 kg") << 20.0;
        QTest::newRow("150 kg") << 150.0;
        QTest::newRow("53.5 kg") << 53.5;
    }
    void massLeavesTheTurnUnchanged() {
        QFETCH(double, massKg);
        const Postures postures{1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1};
        const std::vector<FrameResult> standard = Fly({}, postures);
        const std::vector<FrameResult> other = Fly({massKg, 1.8, 170}, postures);
        QCOMPARE(other.size(), standard.size());
        for (std::size_t i = 0; i < other.size(); ++i) {
            QVERIFY(std::abs(other[i].rotationDeg - standard[i].rotationDeg) < 1e-9);
            QVERIFY(std::abs(other[i].timeS - standard[i].timeS) < 1e-12);
            QVERIFY(std::abs(other[i].omegaNowDegPerS - standard[i].omegaNowDegPerS) < 1e-9);
            // I, H, L and the energy all go with the mass.
            const double k = massKg / 70;
            QVERIFY(std::abs(other[i].inertiaKgM2 - k * standard[i].inertiaKgM2) < 1e-9);
            QVERIFY(std::abs(other[i].rotationalEnergyJ - k * standard[i].rotationalEnergyJ) <
                    1e-9 * (1 + other[i].rotationalEnergyJ));
        }
    }

    void heightScalesEveryLength_data() {
        QTest::addColumn<double>("heightM");
        QTest::newRow("1.00 m") << 1.0;
        QTest::newRow("2.20 m") << 2.2;
    }
    void heightScalesEveryLength() {
        QFETCH(double, heightM);
        const double k = heightM / 1.8;
        const std::vector<FrameResult> standard = Fly({}, {1, 1, 4, 7});
        const std::vector<FrameResult> other = Fly({70, heightM, 170}, {1, 1, 4, 7});
        for (const std::size_t i : {0, 3, 5}) {
            for (std::size_t s = 0; s < kSegmentCount; ++s) {
                const double want = Length(standard.at(i).figure.segments[s]) * k;
                QVERIFY2(std::abs(Length(other.at(i).figure.segments[s]) - want) < 1e-9,
                         qPrintable(QStringLiteral("frame %1, segment %2").arg(i + 1).arg(s)));
            }
            QVERIFY(std::abs(other.at(i).figure.headRadius - 4.5 * k) < 1e-12);
        }
        // Standing on the floor at take-off; I goes with the height squared.
        QVERIFY(std::abs(other.front().lowestPointY - 150) < 1e-9);
        QVERIFY(std::abs(other.front().inertiaKgM2 - k * k * standard.front().inertiaKgM2) < 1e-9);
    }

    void everyAthleteLands() {
        for (const Athlete& athlete : {Athlete{20, 1.0, 0}, Athlete{150, 2.2, 400},
                                       Athlete{20, 2.2, 400}, Athlete{150, 1.0, 0}}) {
            for (const double speed : {4.0, 8.0}) {
                for (const double angle : {30.0, 80.0}) {
                    for (const Postures& list : {Postures{1}, Postures{7}, Postures{1, 7, 1, 7}}) {
                        QVERIFY(Fly(athlete, list, speed, angle).back().landed);
                    }
                }
            }
        }
    }

    void typedValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: refused
        const double no = std::nan("");
        QTest::newRow("comma") << "1,65" << 1.65;
        QTest::newRow("period, blanks") << " 1.65 " << 1.65;
        QTest::newRow("least") << "1" << 1.0;
        QTest::newRow("most") << "2,2" << 2.2;
        QTest::newRow("below") << "0,99" << no;
        QTest::newRow("above") << "2.21" << no;
        QTest::newRow("unit typed") << "1,80 m" << no;
        QTest::newRow("empty") << "" << no;
        QTest::newRow("nan") << "nan" << no;
        QTest::newRow("signed") << "+1,5" << 1.5;
    }
    void typedValues() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = ReadAthleteValue(text.toStdString(), kHeightRangeM);
        QCOMPARE(read.has_value(), !std::isnan(value));
        if (read) {
            QCOMPARE(*read, value);
        }
    }

    void minusNoughtIsNoSpin() {
        const std::optional<double> spin = ReadAthleteValue("-0", kSpinRangeDegPerS);
        QVERIFY(spin && !std::signbit(*spin));
        QCOMPARE(SpinText(*spin, ','), std::string("0"));
    }

    void rememberedValuesOutOfRangeFallBack() {
        const Athlete edited = WithinRange({300, 1.5, std::nan("")});
        QCOMPARE(edited.massKg, 70.0);
        QCOMPARE(edited.bodyHeightM, 1.5);
        QCOMPARE(edited.spinDegPerS, 170.0);
        QVERIFY(AthleteInRange(edited));
        QVERIFY(!AthleteInRange({70, 2.5, 170}));
    }
};

QTEST_APPLESS_MAIN(AthleteTest)
#include "test_athlete.moc"
