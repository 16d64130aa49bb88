// SPDX-License-Identifier: MIT
// purzo-trace from outside: its CSV, its exit codes and its messages.
#include "body/lowest_point.h"
#include "model_fixture.h"

#include <QProcess>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run Trace(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PURZO_TRACE_PATH), arguments);
    Run run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QString kHeader = QStringLiteral(
    "frame,flightX,pathX,pathY,posture,rotationDeg,bodyComX,bodyComHeight,hipX,hipY,shoulderX,"
    "shoulderY,elbowX,elbowY,handX,handY,kneeX,kneeY,footX,footY,neckX,neckY,headX,headY,"
    "lowestPointY,landed");

} // namespace

class TraceToolTest : public QObject {
    Q_OBJECT
private slots:
    void designFlightPrints18Rows() {
        const Run run = Trace({"--speed", "6", "--angle", "60"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines.first(), kHeader);
        const QStringList last = lines.last().split(',');
        QCOMPARE(last.size(), 26);
        QCOMPARE(last[0], QStringLiteral("18"));
        QCOMPARE(last[5], QStringLiteral("180"));
        QCOMPARE(last[25], QStringLiteral("1"));
        QCOMPARE(lines[1].split(',')[3], QStringLiteral("126"));
        // Every row but the last has landed 0.
        for (int i = 1; i < 18; ++i) {
            QVERIFY(lines[i].endsWith(",0"));
        }
    }

    void everyColumnIsTheModelsField_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("columns");
        QTest::newRow("classic") << QStringLiteral("classic") << 26;
        QTest::newRow("exact") << QStringLiteral("exact") << 31;
    }
    void everyColumnIsTheModelsField() {
        QFETCH(QString, model);
        QFETCH(int, columns);
        const purzo::Model m = *purzo::ParseModel(model.toStdString());
        const Run run = Trace({"--postures", "1,7,7,3", "--model", model});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        const std::vector<purzo::FrameResult> frames =
            purzo::test::ModelFlight(6, 60, {1, 7, 7, 3}, m);
        QCOMPARE(lines.size(), int(frames.size()) + 1);
        QCOMPARE(lines[0].count(',') + 1, columns);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const QStringList row = lines[int(i) + 1].split(',');
            QCOMPARE(row.size(), columns);
            const purzo::FrameResult& r = frames[i];
            const purzo::Figure& f = r.figure;
            // Shortest round-trip form with a period: each field reads back to the very double.
            std::vector<double> expected{double(r.frame), r.flightX,         r.pathX,
                                         r.pathY,         double(r.posture), r.rotationDeg,
                                         r.bodyComX,      r.bodyComHeight};
            for (const purzo::Point p : {f.hip(), f.shoulder(), f.elbow(), f.hand(), f.knee(),
                                         f.foot(), f.neckEnd(), f.head}) {
                expected.push_back(p.x);
                expected.push_back(p.y);
            }
            expected.push_back(r.lowestPointY);
            expected.push_back(r.landed ? 1 : 0);
            if (m == purzo::Model::Exact) {
                expected.insert(expected.end(), {r.timeS, r.omegaDegPerS, r.inertiaKgM2,
                                                 r.angularMomentumKgM2PerS});
                QCOMPARE(row.last(), QLatin1String(purzo::BodyPartName(r.lowestPart)));
            }
            for (std::size_t c = 0; c < expected.size(); ++c) {
                bool ok = false;
                QVERIFY2(row[int(c)].toDouble(&ok) == expected[c] && ok,
                         qPrintable(QStringLiteral("row %1, column %2 (%3): %4")
                                        .arg(i + 1)
                                        .arg(c)
                                        .arg(lines[0].split(',')[int(c)], row[int(c)])));
            }
        }
    }

    void posturesHoldTheirLastEntry() {
        const Run run = Trace({"--postures", "1,7"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines[1].split(',')[4], QStringLiteral("1"));
        QCOMPARE(lines[2].split(',')[4], QStringLiteral("7"));
        QCOMPARE(lines[2].split(',')[5], QStringLiteral("40"));
        QCOMPARE(lines.last().split(',')[4], QStringLiteral("7"));
    }

    void replacedTakeoffWarnsAndFlies5At50() {
        const Run run = Trace({"--speed", "9", "--angle", "60"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains(QStringLiteral("Standardwerte v=5 und Winkel=50")));
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts).size(), 16);
    }

    void commaTextIsTheUsersDecimal() {
        const Run comma = Trace({"--speed=7,5"});
        const Run period = Trace({"--speed", "7.5"});
        QCOMPARE(comma.exitCode, 0);
        QVERIFY(comma.err.isEmpty());
        QCOMPARE(comma.out, period.out);
    }

    void helpPrintsTheUsage() {
        const Run run = Trace({"--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("Usage: purzo-trace")));
    }

    void badArgumentsExitWith2_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{"--sped", "6"};
        QTest::newRow("posture 8") << QStringList{"--postures", "1,8"};
        QTest::newRow("posture 0") << QStringList{"--postures", "0"};
        QTest::newRow("empty entry") << QStringList{"--postures", "1,,2"};
        QTest::newRow("trailing comma") << QStringList{"--postures", "1,"};
        QTest::newRow("not a list") << QStringList{"--postures", "eins"};
        QTest::newRow("missing value") << QStringList{"--angle"};
        QTest::newRow("stray argument") << QStringList{"6"};
        QTest::newRow("unknown model") << QStringList{"--model", "exakt"};
        QTest::newRow("model without name") << QStringList{"--model"};
    }
    void badArgumentsExitWith2() {
        QFETCH(QStringList, arguments);
        const Run run = Trace(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith(QStringLiteral("purzo-trace: ")));
    }
};

QTEST_GUILESS_MAIN(TraceToolTest)
#include "test_trace_tool.moc"
