// SPDX-License-Identifier: MIT
// purzo-trace from outside: its CSV, its exit codes and its messages.
#include "body/lowest_point.h"
#include "model_fixture.h"
#include "trace_run.h"
#include "xlsx_cells.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

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
        QTest::newRow("exact") << QStringLiteral("exact") << 38;
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
                QCOMPARE(row[30], QLatin1String(purzo::BodyPartCode(r.lowestPart)));
                expected.push_back(0); // the part's name, skipped below
                expected.insert(expected.end(),
                                {r.omegaNowDegPerS, r.shapeMomentumKgM2PerS, r.rotationalEnergyJ,
                                 r.shape.upperArmDeg, r.shape.forearmDeg, r.shape.thighDeg,
                                 r.shape.shankDeg});
            }
            for (std::size_t c = 0; c < expected.size(); ++c) {
                if (c == 30) {
                    continue;
                }
                bool ok = false;
                QVERIFY2(row[int(c)].toDouble(&ok) == expected[c] && ok,
                         qPrintable(QStringLiteral("row %1, column %2 (%3): %4")
                                        .arg(i + 1)
                                        .arg(c)
                                        .arg(lines[0].split(',')[int(c)], row[int(c)])));
            }
        }
    }

    void spreadsheetHoldsTheModelsNumbers_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("language");
        QTest::newRow("classic, German") << "classic"
                                         << "de";
        QTest::newRow("exact, English") << "exact"
                                        << "en";
    }
    void spreadsheetHoldsTheModelsNumbers() {
        QFETCH(QString, model);
        QFETCH(QString, language);
        const purzo::Model m = *purzo::ParseModel(model.toStdString());
        const bool english = language == QLatin1String("en");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("flug.xlsx"));
        const Run run = Trace({"--speed", "7,5", "--angle", "55", "--postures", "1,1,6,7,7,2",
                               "--model", model, "--xlsx", path, "--language", language});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        const QMap<QString, QString> cells = purzo::test::XlsxCells(path, 1);
        QCOMPARE(cells.value("A1"), QString("v (m/s)"));
        QCOMPARE(cells.value("B1").toDouble(), 7.5);
        QCOMPARE(cells.value("B2").toDouble(), 55.0);
        QCOMPARE(cells.value("B3"), english ? (m == purzo::Model::Exact ? "exact" : "classic")
                                            : (m == purzo::Model::Exact ? "exakt" : "klassisch"));
        QCOMPARE(cells.value("D6"), english ? QString("Height of the centre of mass (m)")
                                            : QString::fromUtf8("Höhe des Schwerpunkts (m)"));
        QCOMPARE(cells.contains("I6"), m == purzo::Model::Exact);
        const std::vector<purzo::FrameResult> frames =
            purzo::test::ModelFlight(7.5, 55, {1, 1, 6, 7, 7, 2}, m);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const purzo::FrameResult& f = frames[i];
            const QString row = QString::number(7 + i);
            std::vector<std::pair<QString, double>> expected{
                {"A", f.frame},       {"B", f.timeS},
                {"C", f.flightX},     {"D", (150 - f.pathY) / 30},
                {"E", f.rotationDeg}, {"F", f.posture}};
            if (m == purzo::Model::Exact) {
                expected.insert(expected.end(), {{"G", f.omegaDegPerS},
                                                 {"H", f.inertiaKgM2},
                                                 {"I", f.angularMomentumKgM2PerS}});
            }
            for (const auto& [column, value] : expected) {
                bool ok = false;
                const double cell = cells.value(column + row).toDouble(&ok);
                QVERIFY2(ok && std::abs(cell - value) <= 1e-12 * std::max(1.0, std::abs(value)),
                         qPrintable(column + row + ": " + cells.value(column + row)));
            }
        }
        QVERIFY(!cells.contains(QStringLiteral("A%1").arg(7 + frames.size())));
        // Beside the take-off: the tuck (postures 6, 7, 7 from frame 3) and the landing.
        const purzo::FrameResult& last = frames.back();
        const double attitude = last.rotationDeg - 360 * std::ceil((last.rotationDeg - 180) / 360);
        const std::vector<std::pair<QString, double>> landing{{"E1", frames[2].timeS},
                                                              {"E2", 3 / 17.0},
                                                              {"E3", last.rotationDeg / 360},
                                                              {"E4", attitude}};
        for (const auto& [cell, value] : landing) {
            QVERIFY2(std::abs(cells.value(cell).toDouble() - value) < 1e-9,
                     qPrintable(cell + ": " + cells.value(cell)));
        }
        QCOMPARE(cells.value("D2"), english ? QString("Tucked (s)") : QString("Gehockt (s)"));
        QCOMPARE(cells.value("G1"), english ? QString("Contact") : QString("Kontakt"));
        const QMap<QString, QString> german{
            {"hip", "Hüfte"}, {"shoulder", "Schulter"}, {"elbow", "Ellbogen"}, {"hand", "Hand"},
            {"knee", "Knie"}, {"foot", "Fuß"},          {"neck", "Hals"},      {"head", "Kopf"}};
        const QString code = purzo::BodyPartCode(last.lowestPart);
        QCOMPARE(cells.value("H1"), english ? code : german.value(code));
        QVERIFY(!cells.value("H2").isEmpty());
        // The chart sheet draws from the frames' rows.
        const QByteArray chart = purzo::test::ZipEntry(path, "xl/charts/chart1.xml");
        QVERIFY(chart.contains("<c:scatterChart>"));
        QVERIFY(chart.contains(QStringLiteral("$B$7:$B$%1").arg(6 + frames.size()).toUtf8()));
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

    // The limb speed takes its range's ends and either decimal separator, and the flight feels it.
    void limbSpeedIsTheAthletes() {
        const QStringList tucking{"--model", "exact", "--postures", "1,7", "--limb-speed"};
        const Run slowest = Trace(tucking + QStringList{"4"});
        const Run fastest = Trace(tucking + QStringList{"30"});
        QCOMPARE(slowest.exitCode, 0);
        QCOMPARE(fastest.exitCode, 0);
        QVERIFY(slowest.out != fastest.out);
        const Run comma = Trace(tucking + QStringList{"7,5"});
        QCOMPARE(comma.out, Trace(tucking + QStringList{"7.5"}).out);
        QCOMPARE(Trace({"--model", "exact", "--postures", "1,7", "--limb-speed", "12"}).out,
                 Trace({"--model", "exact", "--postures", "1,7"}).out);
    }

    void helpPrintsTheUsage() {
        const Run run = Trace({"--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("Usage: purzo-trace")));
    }

    // Worked by hand from the frames: touchdown, rotation, its fold into (−180°, 180°], the
    // lowest part, the tuck (postures 5 and up) from the posture list, and the highest point,
    // the top of the parabola h₀ + (v·sin α)²/2g.
    void summaryIsTheFlightsLogRow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("row");
        const QString worked = QStringLiteral("1,2,3,4,5,6,7,7,7,6,5,4,3,2,1");
        QTest::newRow("exact, stretched, hand first")
            << QStringList{"--model", "exact"}
            << "exact,6,60,,0,1.039,3.117,2.373,176.6,0.49,hand,176.6,not-on-feet";
        QTest::newRow("exact, steep, short")
            << QStringList{"--model", "exact", "--speed", "8", "--angle", "80"}
            << "exact,8,80,,0,1.691,2.348,4.161,287.4,0.8,foot,-72.6,too-short";
        QTest::newRow("classic, half a turn onto the hand")
            << QStringList{} << "classic,6,60,,0,1,3,2.176,180,0.5,hand,180,not-on-feet";
        QTest::newRow("classic, steep, short")
            << QStringList{"--speed", "8", "--angle", "80"}
            << "classic,8,80,,0,1.706,2.37,3.964,300,0.83,foot,-60,too-short";
        QTest::newRow("classic, upright")
            << QStringList{"--angle", "70", "--postures", worked}
            << "classic,6,70,0.235,0.412,1.118,2.294,2.420,362,1.01,foot,2,upright";
    }
    void summaryIsTheFlightsLogRow() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, row);
        const Run run = Trace(arguments << QStringLiteral("--summary"));
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0],
                 QStringLiteral("model,speedMPerS,angleDeg,tuckStartS,tuckedS,flightTimeS,"
                                "distanceM,maxHeightM,rotationDeg,turns,firstContact,"
                                "attitudeDeg,verdict"));
        const QStringList actual = lines[1].split(','), expected = row.split(',');
        QCOMPARE(actual.size(), expected.size());
        for (int i = 0; i < actual.size(); ++i) {
            bool isNumber = false;
            const double want = expected[i].toDouble(&isNumber);
            if (isNumber && !expected[i].isEmpty()) {
                // To the decimals worked.
                const qsizetype point = expected[i].indexOf('.');
                const int decimals = point < 0 ? 0 : int(expected[i].size() - point - 1);
                QVERIFY2(std::abs(actual[i].toDouble() - want) <= 0.5 * std::pow(10.0, -decimals),
                         qPrintable(QStringLiteral("column %1: %2, expected %3")
                                        .arg(i)
                                        .arg(actual[i], expected[i])));
            } else {
                QCOMPARE(actual[i], expected[i]);
            }
        }
    }

    // A spreadsheet onto a folder or a device: refused with the reason, nothing in its place.
    void aSpreadsheetOntoNoFileIsRefused_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "folder"
                                  << "Is a directory";
        QTest::newRow("a device") << "/dev/null"
                                  << "not a regular file";
        QTest::newRow("a missing folder") << "missing/f.xlsx"
                                          << "No such file or directory";
    }
    void aSpreadsheetOntoNoFileIsRefused() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = target.startsWith('/') ? target : dir.filePath(target);
        QVERIFY(target != "folder" || QDir(dir.path()).mkdir(target));
        const Run run = Trace({"--xlsx", path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
        QVERIFY(!run.err.contains(QStringLiteral("Success")));
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
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
        QTest::newRow("spreadsheet in French")
            << QStringList{"--xlsx", "f.xlsx", "--language", "fr"};
        QTest::newRow("spreadsheet without a name") << QStringList{"--xlsx="};
        QTest::newRow("summary and spreadsheet") << QStringList{"--summary", "--xlsx", "f.xlsx"};
        QTest::newRow("summary with a value") << QStringList{"--summary=1"};
        const QStringList exact{"--model", "exact"};
        QTest::newRow("mass below 20 kg") << exact + QStringList{"--mass", "19.9"};
        QTest::newRow("height above 2.20 m") << exact + QStringList{"--height", "2.21"};
        QTest::newRow("negative spin") << exact + QStringList{"--spin", "-1"};
        QTest::newRow("spin above 400") << exact + QStringList{"--spin=400.1"};
        QTest::newRow("mass not a number") << exact + QStringList{"--mass", "70kg"};
        QTest::newRow("height nan") << exact + QStringList{"--height", "nan"};
        QTest::newRow("mass empty") << exact + QStringList{"--mass="};
        QTest::newRow("limbs below 4 rad/s") << exact + QStringList{"--limb-speed", "3.99"};
        QTest::newRow("limbs above 30 rad/s") << exact + QStringList{"--limb-speed=30.01"};
        QTest::newRow("limb speed inf") << exact + QStringList{"--limb-speed", "inf"};
        QTest::newRow("limb speed with a unit") << exact + QStringList{"--limb-speed", "12rad/s"};
        QTest::newRow("limb speed empty") << exact + QStringList{"--limb-speed="};
        QTest::newRow("athlete with the classic model") << QStringList{"--mass", "50"};
        QTest::newRow("limb speed with the classic model") << QStringList{"--limb-speed", "12"};
        QTest::newRow("athlete before the classic model")
            << QStringList{"--spin", "0", "--model", "classic"};
    }
    void badArgumentsExitWith2() {
        QFETCH(QStringList, arguments);
        const Run run = Trace(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith(QStringLiteral("purzo-trace: ")));
        // An athlete value names its option and what it takes.
        for (const char* option : {"--mass", "--height", "--spin", "--limb-speed"}) {
            if (arguments.join(' ').contains(QLatin1String(option))) {
                QVERIFY2(run.err.contains(QLatin1String(option)), qPrintable(run.err));
            }
        }
        if (arguments.first() == QLatin1String("--model") && arguments.size() > 2) {
            QVERIFY2(run.err.contains(QLatin1String(" to ")), qPrintable(run.err));
        }
    }
};

QTEST_GUILESS_MAIN(TraceToolTest)
#include "test_trace_tool.moc"
