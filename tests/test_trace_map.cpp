// SPDX-License-Identifier: MIT
// Tuck plans and landing maps: a plan is the posture list it stands for, a map's cell is the
// single flight from its own take-off and plan, and the best plans are the map's extremes.
#include "flight/landing_map.h"
#include "trace_run.h"

#include <QTest>
#include <limits>

namespace {

// The rows of a CSV with a header, as name → text per row.
QList<QHash<QString, QString>> Rows(const QString& csv) {
    QStringList lines = csv.split('\n', Qt::SkipEmptyParts);
    QList<QHash<QString, QString>> rows;
    if (lines.isEmpty()) {
        return rows;
    }
    const QStringList header = lines.takeFirst().split(',');
    for (const QString& line : lines) {
        const QStringList fields = line.split(',');
        QHash<QString, QString> row;
        for (int i = 0; i < header.size() && i < fields.size(); ++i) {
            row[header[i]] = fields[i];
        }
        rows << row;
    }
    return rows;
}

const QStringList kSummaryColumns{"model",       "speedMPerS",  "angleDeg",     "tuckStartS",
                                  "tuckedS",     "flightTimeS", "distanceM",    "maxHeightM",
                                  "rotationDeg", "turns",       "firstContact", "attitudeDeg",
                                  "verdict"};

} // namespace

class TraceMapTest : public QObject {
    Q_OBJECT
private slots:
    void aPlanIsItsPostureList_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("postures");
        QTest::newRow("exact, standard depth") << "exact"
                                               << "2,15"
                                               << "1,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,1";
        QTest::newRow("exact, depth 5") << "exact"
                                        << "4,3,5"
                                        << "1,1,1,5,5,5,1";
        QTest::newRow("classic, one frame") << "classic"
                                            << "9,1,6"
                                            << "1,1,1,1,1,1,1,1,6,1";
    }
    void aPlanIsItsPostureList() {
        QFETCH(QString, model);
        QFETCH(QString, plan);
        QFETCH(QString, postures);
        const QStringList takeoff{"--speed", "6.5", "--angle", "68", "--model", model};
        const Run planned = Trace(takeoff + QStringList{"--tuck", plan});
        const Run listed = Trace(takeoff + QStringList{"--postures", postures});
        QCOMPARE(planned.exitCode, 0);
        QVERIFY(planned.out.count('\n') > 10);
        QCOMPARE(planned.out, listed.out);
    }

    // The n-th row of a speed × angle map is the flight from its own take-off: 0.1 m/s per
    // column from 4 m/s, 1° per row from 30°.
    void speedAngleCellsAreSingleFlights_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("first") << 0;
        QTest::newRow("second angle") << 1;
        QTest::newRow("second speed") << 51;
        QTest::newRow("6 m/s, 70°") << 20 * 51 + 40;
        QTest::newRow("last") << 41 * 51 - 1;
    }
    void speedAngleCellsAreSingleFlights() {
        QFETCH(int, index);
        static const QList<QHash<QString, QString>> map =
            Rows(Trace({"--map", "speed-angle", "--tuck", "3,8,6", "--model", "exact"}).out);
        QCOMPARE(map.size(), 41 * 51);
        const QHash<QString, QString>& cell = map[index];
        const QString speed = QString::number((40 + index / 51) / 10.0);
        const QString angle = QString::number(30 + index % 51);
        QCOMPARE(cell["speedMPerS"], speed);
        QCOMPARE(cell["angleDeg"], angle);
        QCOMPARE(cell["tuckStartFrame"], QStringLiteral("3"));
        QCOMPARE(cell["depth"], QStringLiteral("6"));
        const QHash<QString, QString> single =
            Rows(Trace({"--speed", speed, "--angle", angle, "--tuck", "3,8,6", "--model", "exact",
                        "--summary"})
                     .out)
                .value(0);
        for (const QString& column : kSummaryColumns) {
            QCOMPARE(cell[column], single[column]);
        }
    }

    // Every start from frame 2 and every length, each the flight of its own plan.
    void tuckCellsAreSingleFlights() {
        const QList<QHash<QString, QString>> map =
            Rows(Trace({"--map", "tuck", "--speed", "6", "--angle", "70", "--model", "classic",
                        "--depth", "5"})
                     .out);
        const int touchdown = Trace({"--speed", "6", "--angle", "70"}).out.count('\n') - 1;
        QSet<QString> plans;
        for (const auto& cell : map) {
            plans << cell["tuckStartFrame"] + ',' + cell["tuckFrames"];
        }
        QCOMPARE(plans.size(), map.size());
        QVERIFY(plans.contains(QStringLiteral("2,1")));
        QVERIFY(plans.contains(QStringLiteral("%1,1").arg(touchdown)));
        QVERIFY(!plans.contains(QStringLiteral("%1,1").arg(touchdown + 1)));
        QVERIFY(!plans.contains(QStringLiteral("1,1")));
        for (const int i : {0, int(map.size()) / 2, int(map.size()) - 1}) {
            const auto& cell = map[i];
            const QString plan = cell["tuckStartFrame"] + ',' + cell["tuckFrames"] + ",5";
            const auto single =
                Rows(Trace({"--speed", "6", "--angle", "70", "--tuck", plan, "--summary"}).out)
                    .value(0);
            for (const QString& column : kSummaryColumns) {
                QCOMPARE(cell[column], single[column]);
            }
        }
    }

    // The answers are the map's own extremes over the plans that land upright and open.
    void bestPlansAreTheMapsExtremes() {
        const QStringList takeoff{"--map",   "tuck", "--speed", "6",
                                  "--angle", "70",   "--model", "exact"};
        const auto map = Rows(Trace(takeoff).out);
        const auto best = Rows(Trace(takeoff + QStringList{"--best"}).out);
        QCOMPARE(best.size(), 1);
        double earliest = std::numeric_limits<double>::infinity(), latest = -earliest;
        double shortest = earliest, longest = -earliest;
        int tuckedUpright = 0;
        for (const auto& cell : map) {
            if (cell["verdict"] != QLatin1String("upright")) {
                continue;
            }
            if (cell["stretchedAtTouchdown"] != QLatin1String("1")) {
                ++tuckedUpright;
                continue;
            }
            earliest = std::min(earliest, cell["tuckStartS"].toDouble());
            latest = std::max(latest, cell["tuckStartS"].toDouble());
            shortest = std::min(shortest, cell["tuckedS"].toDouble());
            longest = std::max(longest, cell["tuckedS"].toDouble());
        }
        QVERIFY(tuckedUpright > 0); // the still-tucked landings are left out, not absent
        QVERIFY(latest > earliest && longest >= shortest);
        QCOMPARE(best[0]["earliestStartS"].toDouble(), earliest);
        QCOMPARE(best[0]["latestStartS"].toDouble(), latest);
        QCOMPARE(best[0]["shortestS"].toDouble(), shortest);
        QCOMPARE(best[0]["longestS"].toDouble(), longest);
    }

    void stretchedShapes_data() {
        QTest::addColumn<int>("posture");
        QTest::addColumn<double>("thighOffDeg");
        QTest::addColumn<bool>("stretched");
        QTest::newRow("posture 1") << 1 << 0.0 << true;
        QTest::newRow("posture 2") << 2 << 0.0 << true;
        QTest::newRow("posture 2, thigh 10° off") << 2 << 10.0 << true;
        QTest::newRow("posture 1, thigh 10.5° off") << 1 << -10.5 << false;
        QTest::newRow("posture 5") << 5 << 0.0 << false;
        QTest::newRow("posture 7") << 7 << 0.0 << false;
    }
    void stretchedShapes() {
        QFETCH(int, posture);
        QFETCH(double, thighOffDeg);
        QFETCH(bool, stretched);
        purzo::LimbDegrees shape = purzo::LimbDegreesFor(posture);
        shape.thighDeg += thighOffDeg;
        QCOMPARE(purzo::StretchedShape(shape), stretched);
    }

    void badPlansExitWith2_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("start after touchdown") << QStringList{"--tuck", "30,2"};
        QTest::newRow("start at take-off") << QStringList{"--tuck", "1,2"};
        QTest::newRow("length 0") << QStringList{"--tuck", "3,0"};
        QTest::newRow("depth 8") << QStringList{"--tuck", "3,2,8"};
        QTest::newRow("depth 4") << QStringList{"--tuck", "3,2,4"};
        QTest::newRow("one number") << QStringList{"--tuck", "3"};
        QTest::newRow("not a number") << QStringList{"--tuck", "3,zwei"};
        QTest::newRow("plan and postures") << QStringList{"--tuck", "3,2", "--postures", "1"};
        QTest::newRow("map of nothing") << QStringList{"--map", "speed"};
        QTest::newRow("speed map without plan") << QStringList{"--map", "speed-angle"};
        QTest::newRow("speed map, depth 9")
            << QStringList{"--map", "speed-angle", "--tuck", "2,3,9"};
        QTest::newRow("tuck map at 9 m/s") << QStringList{"--map", "tuck", "--speed", "9"};
        QTest::newRow("tuck map at 20°") << QStringList{"--map", "tuck", "--angle", "20"};
        QTest::newRow("tuck map, depth 4") << QStringList{"--map", "tuck", "--depth", "4"};
        QTest::newRow("tuck map with a summary") << QStringList{"--map", "tuck", "--summary"};
        QTest::newRow("best of one flight") << QStringList{"--best"};
    }
    void badPlansExitWith2() {
        QFETCH(QStringList, arguments);
        const Run run = Trace(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith(QStringLiteral("purzo-trace: ")));
    }
    // The message names what is allowed.
    void aRefusedPlanSaysTheRange() {
        const int touchdown = Trace({"--speed", "6", "--angle", "70"}).out.count('\n') - 1;
        const Run run = Trace({"--speed", "6", "--angle", "70", "--tuck", "40,2"});
        QVERIFY2(run.err.contains(QStringLiteral("from 2 to %1").arg(touchdown)),
                 qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TraceMapTest)
#include "test_trace_map.moc"
