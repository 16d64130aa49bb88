// SPDX-License-Identifier: MIT
// The landing: the attitude's fold, the four verdicts, the part that really touches first, the
// tuck read off the frames, and the verdict's sentence.
#include "approx.h"
#include "flight/flight_record.h"
#include "flight/flight_summary.h"
#include "flight/landing.h"
#include "flight/panel_lines.h"
#include "model_fixture.h"

#include <QTest>
#include <cmath>
#include <vector>

using namespace purzo;

namespace {

using Postures = std::vector<int>;

// The point the model names, found without the model's own search.
double PartY(const Figure& f, BodyPart part, double headRadius) {
    switch (part) {
    case BodyPart::Hip:
        return f.hip().y;
    case BodyPart::Shoulder:
        return f.shoulder().y;
    case BodyPart::Elbow:
        return f.elbow().y;
    case BodyPart::Hand:
        return f.hand().y;
    case BodyPart::Knee:
        return f.knee().y;
    case BodyPart::Foot:
        return f.foot().y;
    case BodyPart::Neck:
        return f.neckEnd().y;
    case BodyPart::Head:
        return f.head.y + headRadius;
    default:
        return -1e9; // a segment as a whole touches nothing first
    }
}

double HeadRadius(const Figure& f) {
    const Point neck = f.neckEnd();
    return std::hypot(f.head.x - neck.x, f.head.y - neck.y);
}

} // namespace

class LandingTest : public QObject {
    Q_OBJECT
private slots:
    void attitudeFoldsIntoHalfTurns_data() {
        QTest::addColumn<double>("rotationDeg");
        QTest::addColumn<double>("attitudeDeg");
        QTest::newRow("take-off") << 0.0 << 0.0;
        QTest::newRow("half a turn stays +180") << 180.0 << 180.0;
        QTest::newRow("just past half a turn") << 180.5 << -179.5;
        QTest::newRow("one turn") << 360.0 << 0.0;
        QTest::newRow("two turns") << 720.0 << 0.0;
        QTest::newRow("one and a half") << 540.0 << 180.0;
        QTest::newRow("short of one turn") << 287.4 << -72.6;
        QTest::newRow("past two turns") << 851.8 << 131.8;
        QTest::newRow("turned backwards") << -10.0 << -10.0;
        QTest::newRow("half a turn backwards") << -180.0 << 180.0;
    }
    void attitudeFoldsIntoHalfTurns() {
        QFETCH(double, rotationDeg);
        QFETCH(double, attitudeDeg);
        COMPARE_DECIMALS(AttitudeDeg(rotationDeg), attitudeDeg, 9);
    }

    void verdictFromContactAndAttitude_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<double>("attitudeDeg");
        QTest::addColumn<int>("verdict");
        const int foot = int(BodyPart::Foot);
        QTest::newRow("upright") << foot << 0.0 << int(Verdict::Upright);
        QTest::newRow("20° past still upright") << foot << 20.0 << int(Verdict::Upright);
        QTest::newRow("20° short still upright") << foot << -20.0 << int(Verdict::Upright);
        QTest::newRow("past") << foot << 20.01 << int(Verdict::TooFar);
        QTest::newRow("short") << foot << -20.01 << int(Verdict::TooShort);
        QTest::newRow("knee") << int(BodyPart::Knee) << 0.0 << int(Verdict::NotOnFeet);
        QTest::newRow("hip") << int(BodyPart::Hip) << -15.0 << int(Verdict::NotOnFeet);
        QTest::newRow("head") << int(BodyPart::Head) << 180.0 << int(Verdict::NotOnFeet);
    }
    void verdictFromContactAndAttitude() {
        QFETCH(int, part);
        QFETCH(double, attitudeDeg);
        QFETCH(int, verdict);
        QCOMPARE(int(VerdictOf(BodyPart(part), attitudeDeg)), verdict);
    }

    // The tuck counts postures 5 to 7 as the frames were flown, each from its frame's time to
    // the next frame's: up to the touchdown for a tuck held to the end.
    void tuckFromTheFrames_data() {
        QTest::addColumn<Postures>("postures");
        QTest::addColumn<int>("firstTuckedFrame"); // 0: none
        QTest::addColumn<int>("exactFirstTuckedFrame");
        QTest::addColumn<int>("tuckedFrames"); // -1: held up to the touchdown
        QTest::newRow("stretched") << Postures{1} << 0 << 0 << 0;
        QTest::newRow("posture 4 is not tucked") << Postures{1, 4, 4, 1} << 0 << 0 << 0;
        QTest::newRow("posture 5 is") << Postures{1, 1, 5, 1} << 3 << 3 << 1;
        QTest::newRow("twice, 6 and 7") << Postures{1, 6, 1, 1, 7, 7, 2} << 2 << 2 << 3;
        QTest::newRow("tucked from frame 3 on") << Postures{1, 1, 7} << 3 << 3 << -1;
        // The exact model's take-off is stretched whatever was chosen for it.
        QTest::newRow("from the take-off") << Postures{7} << 1 << 2 << -1;
    }
    void tuckFromTheFrames() {
        QFETCH(Postures, postures);
        QFETCH(int, firstTuckedFrame);
        QFETCH(int, exactFirstTuckedFrame);
        QFETCH(int, tuckedFrames);
        for (const Model model : {Model::Classic, Model::Exact}) {
            const std::vector<FrameResult> frames = test::ModelFlight(6, 60, postures, model);
            const Tuck tuck = TuckOf(frames);
            const int first = model == Model::Exact ? exactFirstTuckedFrame : firstTuckedFrame;
            if (first == 0) {
                QVERIFY(!tuck.startS);
                QCOMPARE(tuck.tuckedS, 0.0);
                continue;
            }
            QVERIFY(tuck.startS);
            COMPARE_DECIMALS(*tuck.startS, (first - 1) / 17.0, 12);
            const double touchdownS = frames.back().timeS;
            COMPARE_DECIMALS(tuck.tuckedS,
                             tuckedFrames < 0 ? touchdownS - *tuck.startS : tuckedFrames / 17.0,
                             12);
            QVERIFY(*tuck.startS + tuck.tuckedS <= touchdownS + 1e-12);
        }
    }

    // The take-off frame of the exact model is stretched; the highest point is the top of the
    // centre's parabola, h₀ + (v·sin α)²/2g, above the take-off height h₀ (0.8 m in the classic
    // model, 0.99706 m for the standard athlete in the exact one).
    void summaryFieldsOfATuck_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<Postures>("postures");
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("tuckStartS");
        QTest::addColumn<double>("takeoffHeightM");
        const int exact = int(Model::Exact), classic = int(Model::Classic);
        QTest::newRow("exact, 7") << exact << Postures{7} << 6.0 << 60.0 << 1 / 17.0 << 0.99706;
        QTest::newRow("exact, 1,1,7")
            << exact << Postures{1, 1, 7} << 6.0 << 60.0 << 2 / 17.0 << 0.99706;
        QTest::newRow("exact, 4 m/s 30°, 7")
            << exact << Postures{7} << 4.0 << 30.0 << 1 / 17.0 << 0.99706;
        QTest::newRow("classic, 7") << classic << Postures{7} << 6.0 << 60.0 << 0.0 << 0.8;
        QTest::newRow("classic, 1,1,7")
            << classic << Postures{1, 1, 7} << 8.0 << 80.0 << 2 / 17.0 << 0.8;
    }
    void summaryFieldsOfATuck() {
        QFETCH(int, model);
        QFETCH(Postures, postures);
        QFETCH(double, speed);
        QFETCH(double, angle);
        QFETCH(double, tuckStartS);
        QFETCH(double, takeoffHeightM);
        const FlightParameters params = ComputeFlightParameters(speed, angle);
        const std::vector<FrameResult> frames =
            test::ModelFlight(speed, angle, postures, Model(model));
        if (Model(model) == Model::Exact) {
            QCOMPARE(frames.front().posture, 1);
        }
        const FlightSummary s = SummaryOf(params, Model(model), frames);
        QVERIFY(s.tuck.startS);
        COMPARE_DECIMALS(*s.tuck.startS, tuckStartS, 12);
        COMPARE_DECIMALS(s.tuck.tuckedS, s.flightTimeS - tuckStartS, 12);
        const double vy = speed * std::sin(params.angleRad);
        COMPARE_DECIMALS(s.maxHeightM, takeoffHeightM + vy * vy / (2 * 9.81), 5);
        for (const FrameResult& f : frames) {
            QVERIFY(CentreHeightM(f) <= s.maxHeightM + 1e-12);
        }
    }

    // In every frame of both models, the part named is one whose point lies lowest.
    void firstContactIsTheLowestPart() {
        int named[kBodyPartCount] = {};
        for (const Model model : {Model::Classic, Model::Exact}) {
            for (double speed = 4; speed <= 8; speed += 1) {
                for (double angle = 30; angle <= 80; angle += 10) {
                    for (const Postures& postures :
                         {Postures{1}, Postures{5}, Postures{7}, Postures{1, 1, 7, 7, 7, 1}}) {
                        for (const FrameResult& f :
                             test::ModelFlight(speed, angle, postures, model)) {
                            const double r = HeadRadius(f.figure);
                            const double y = PartY(f.figure, f.lowestPart, r);
                            for (const BodyPart p : kContactParts) {
                                QVERIFY2(PartY(f.figure, p, r) <= y, BodyPartCode(f.lowestPart));
                            }
                            if (f.landed) {
                                ++named[int(f.lowestPart)];
                            }
                        }
                    }
                }
            }
        }
        // The landings of this grid come down on feet, hands, hips and heads.
        for (const BodyPart part : {BodyPart::Foot, BodyPart::Hand, BodyPart::Hip}) {
            QVERIFY2(named[int(part)] > 0, BodyPartCode(part));
        }
    }

    // Measured from the nearest whole number of somersaults, which the sentence names.
    void verdictSentence_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<double>("rotationDeg");
        QTest::addColumn<QString>("text");
        const int foot = int(BodyPart::Foot);
        QTest::newRow("upright") << foot << 366.8
                                 << "Landung auf den Füßen nach 1 Salto, aufrecht (+7°)";
        QTest::newRow("upright, short")
            << foot << 355.2 << "Landung auf den Füßen nach 1 Salto, aufrecht (-5°)";
        QTest::newRow("exactly upright")
            << foot << 359.8 << "Landung auf den Füßen nach 1 Salto, aufrecht (0°)";
        QTest::newRow("0.9 turns") << foot << 0.9 * 360
                                   << "Auf den Füßen, aber 36° zu wenig für 1 Salto: fällt nach "
                                      "hinten";
        QTest::newRow("1.78 turns, short of two")
            << foot << 1.78 * 360
            << "Auf den Füßen, aber 79° zu wenig für 2 Salti: fällt nach hinten";
        QTest::newRow("2.1 turns")
            << foot << 2.1 * 360 << "Auf den Füßen, aber 36° zu viel für 2 Salti: fällt nach vorn";
        QTest::newRow("too far") << foot << 410.0
                                 << "Auf den Füßen, aber 50° zu viel für 1 Salto: fällt nach vorn";
        QTest::newRow("upright, no somersault")
            << foot << 3.0 << "Landung auf den Füßen nach 0 Salti, aufrecht (+3°)";
        QTest::newRow("head, past")
            << int(BodyPart::Head) << 851.8
            << "Keine Landung auf den Füßen: zuerst Kopf, 132° über 2 Salti";
        QTest::newRow("hand, past one")
            << int(BodyPart::Hand) << 492.0
            << "Keine Landung auf den Füßen: zuerst Hand, 132° über 1 Salto";
        QTest::newRow("hip, short") << int(BodyPart::Hip) << 315.0
                                    << "Keine Landung auf den Füßen: zuerst Hüfte, 45° vor 1 Salto";
    }
    void verdictSentence() {
        QFETCH(int, part);
        QFETCH(double, rotationDeg);
        QFETCH(QString, text);
        FrameResult touchdown;
        touchdown.landed = touchdown.lastFrame = true;
        touchdown.rotationDeg = rotationDeg;
        touchdown.lowestPart = BodyPart(part);
        const PanelText sentence = VerdictText(*LandingOf(touchdown), ',');
        QString filled = QString::fromUtf8(sentence.source);
        for (const PanelArg& arg : sentence.args) {
            const QString text = QString::fromStdString(arg.text);
            if (!arg.source) {
                filled = filled.arg(text);
            } else {
                const QString inner = QString::fromUtf8(arg.source);
                filled = filled.arg(text.isEmpty() ? inner : inner.arg(text));
            }
        }
        QCOMPARE(filled, text);
        // The panel ends with the same sentence.
        const PanelLines panel = PanelLinesFor(touchdown, Model::Exact, kStandardAthlete, ',');
        QCOMPARE(panel.lines.back().source, sentence.source);
    }
};

QTEST_GUILESS_MAIN(LandingTest)
#include "test_landing.moc"
