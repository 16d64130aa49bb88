// SPDX-License-Identifier: MIT
// purzo-trace from outside: its CSV, its exit codes and its messages.
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

    void numbersReadBackAsTheModelsDoubles() {
        const Run run = Trace({"--postures", "1,7"});
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        const std::vector<purzo::FrameResult> model = purzo::test::ModelFlight(6, 60, {1, 7});
        QCOMPARE(lines.size(), int(model.size()) + 1);
        for (std::size_t i = 0; i < model.size(); ++i) {
            const QStringList row = lines[int(i) + 1].split(',');
            const purzo::FrameResult& r = model[i];
            // Shortest round-trip form with a period: each field reads back to the very double.
            const std::pair<int, double> fields[] = {
                {1, r.flightX},          {3, r.pathY},
                {6, r.bodyComX},         {7, r.bodyComHeight},
                {8, r.figure.hip().x},   {13, r.figure.elbow().y},
                {15, r.figure.hand().y}, {19, r.figure.foot().y},
                {23, r.figure.head.y},   {24, r.lowestPointY}};
            for (const auto& [column, expected] : fields) {
                bool ok = false;
                QCOMPARE(row[column].toDouble(&ok), expected);
                QVERIFY(ok);
            }
            QCOMPARE(row[5].toInt(), r.rotationDeg);
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
