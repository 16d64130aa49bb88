// SPDX-License-Identifier: MIT
// The lesson's log: numbering, the eight shown, and its file written and read back, damaged or
// foreign files refused with a reason.
#include "flight/file_names.h"
#include "flight/log_file.h"
#include "flight/takeoff_check.h"
#include "flight/whole_flight.h"

#include <QTest>
#include <string>
#include <vector>

using namespace purzo;

namespace {

FlightRecord Flown(const std::string& speed, const std::string& angle, Model model,
                   const std::vector<int>& postures, std::optional<Pace> pace = Pace::SlowMotion,
                   const Athlete& athlete = kStandardAthlete) {
    const TakeoffCheck check = CheckTakeoff(speed, angle);
    FlightRecord r{speed,  angle, ComputeFlightParameters(check.takeoffSpeed, check.takeoffAngle),
                   model,  {},    pace,
                   athlete};
    r.frames = RunWholeFlight(r.params, postures, model, athlete);
    return r;
}

FlightLog ThreeFlights() {
    FlightLog log;
    log.group = "Klasse 7b\t\\ Gruppe 2\n";
    log.add(Flown("6", "60", Model::Classic, {1}), "Anna", "2026-12-09 10:15");
    // Another athlete, without spin: her flight comes back only with her values.
    log.add(Flown("7,5", " 45,5 ", Model::Exact, {1, 1, 7, 7, 3}, std::nullopt, {52.5, 1.6, 0}), "",
            "");
    log.add(Flown("9", "60", Model::Exact, {1, 2, 5, 6, 7}), "Ben\\Cem", "2026-12-09 10:17");
    log.setShown(1, true);
    log.setShown(3, true);
    return log;
}

} // namespace

class FlightLogTest : public QObject {
    Q_OBJECT
private slots:
    void numbersGoOnAfterADeleteAndStartAgainWhenCleared() {
        FlightLog log = ThreeFlights();
        QVERIFY(log.remove(3));
        QVERIFY(!log.remove(3));
        QCOMPARE(log.add(Flown("5", "50", Model::Classic, {1}), "", ""), 4);
        log.clear();
        QVERIFY(log.flights().empty());
        QCOMPARE(log.add(Flown("5", "50", Model::Classic, {1}), "", ""), 1);
    }

    void atMostEightShown() {
        FlightLog log;
        for (int i = 0; i < 9; ++i) {
            log.add(Flown("6", "60", Model::Classic, {1}), "", "");
        }
        for (int n = 1; n <= 8; ++n) {
            QVERIFY(log.setShown(n, true));
        }
        QVERIFY(!log.setShown(9, true));
        QVERIFY(log.setShown(2, false));
        QVERIFY(log.setShown(9, true));
        QCOMPARE(log.shownCount(), std::size_t(8));
        QVERIFY(!log.setShown(42, true));
    }

    // Written, read back: every flight flown again to the same frames, texts kept as typed.
    void writtenAndReadBack() {
        const FlightLog log = ThreeFlights();
        std::string error;
        const std::optional<FlightLog> read = ReadLogFile(LogFileText(log), error);
        QVERIFY2(read, error.c_str());
        QCOMPARE(read->group, log.group);
        QCOMPARE(read->flights().size(), std::size_t(3));
        for (std::size_t i = 0; i < 3; ++i) {
            const LoggedFlight &a = log.flights()[i], &b = read->flights()[i];
            QCOMPARE(b.number, a.number);
            QCOMPARE(b.group, a.group);
            QCOMPARE(b.flownAt, a.flownAt);
            QCOMPARE(b.shown, a.shown);
            QCOMPARE(b.record.speedText, a.record.speedText);
            QCOMPARE(b.record.angleText, a.record.angleText);
            QCOMPARE(b.record.model, a.record.model);
            QCOMPARE(b.record.pace, a.record.pace);
            QCOMPARE(b.record.athlete, a.record.athlete);
            QCOMPARE(b.record.frames.size(), a.record.frames.size());
            QCOMPARE(b.record.postures(), a.record.postures());
            QCOMPARE(b.record.frames.back().rotationDeg, a.record.frames.back().rotationDeg);
            QCOMPARE(b.record.frames.back().figure, a.record.frames.back().figure);
            QCOMPARE(b.summary.landing.has_value(), a.summary.landing.has_value());
        }
        // A replaced take-off keeps the texts that were typed.
        QCOMPARE(read->flights()[2].summary.speedMPerS, 5.0);
        // Numbering goes on after the highest number read.
        FlightLog more = *read;
        QCOMPARE(more.add(Flown("6", "60", Model::Classic, {1}), "", ""), 4);
    }

    void damagedOrForeignFilesAreRefused_data() {
        QTest::addColumn<QString>("change"); // what is done to the written text
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << "empty"
                               << "not a flight log";
        QTest::newRow("another program's") << "foreign"
                                           << "not a flight log";
        QTest::newRow("a newer format") << "newer"
                                        << "newer";
        QTest::newRow("cut before the end line") << "cut"
                                                 << "cut short";
        QTest::newRow("a flight line cut") << "cut flight"
                                           << "line 4";
        QTest::newRow("a posture out of range") << "posture 9"
                                                << "line 3";
        QTest::newRow("a frame count the model does not fly") << "frames"
                                                              << "line 3";
        QTest::newRow("a flight fewer than counted") << "drop flight"
                                                     << "count";
        QTest::newRow("a stray backslash") << "backslash"
                                           << "line 2";
        QTest::newRow("an athlete out of range") << "athlete"
                                                 << "line 4";
    }
    void damagedOrForeignFilesAreRefused() {
        QFETCH(QString, change);
        QFETCH(QString, reason);
        std::string text = LogFileText(ThreeFlights());
        const std::size_t third = text.find("\nflight\t2");
        if (change == "empty") {
            text.clear();
        } else if (change == "foreign") {
            text = "PK\x03\x04 not a log at all";
        } else if (change == "newer") {
            text.replace(0, text.find('\n'), "Purzosimulation flight log 2");
        } else if (change == "cut") {
            text.resize(text.rfind("end\t"));
        } else if (change == "cut flight") {
            text.resize(third + 30);
        } else if (change == "posture 9") {
            text[text.find("\t1\t6\t60\t") + 8] = '9';
        } else if (change == "frames") {
            // One frame more than the model flies: the flight would not land there.
            text.replace(text.find(",1\t18\tAnna"), 10, ",1,1\t19\tAnna");
        } else if (change == "drop flight") {
            text.erase(third + 1, text.find('\n', third + 1) - third);
        } else if (change == "athlete") {
            text.replace(text.find("\t52.5\t"), 6, "\t520\t");
        } else if (change == "backslash") {
            text.replace(text.find("\\t"), 2, "\\q");
        }
        std::string error;
        QVERIFY(!ReadLogFile(text, error));
        QVERIFY2(error.find(reason.toStdString()) != std::string::npos, error.c_str());
    }

    // The names a save suggests: number, take-off as typed, model and group, safe for any disk.
    void suggestedFileNames_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("name");
        QTest::newRow("third flight, exact") << 3 << "6"
                                             << "60" << true << ""
                                             << "flug-03-6ms-60grad-exakt.xlsx";
        QTest::newRow("before any log") << 0 << "6"
                                        << "60" << false << ""
                                        << "flug-6ms-60grad-klassisch.xlsx";
        QTest::newRow("decimal comma, blanks") << 12 << "7,5"
                                               << " 45 " << false << ""
                                               << "flug-12-7,5ms-45grad-klassisch.xlsx";
        QTest::newRow("slashes in the take-off") << 1 << "6/../x"
                                                 << "60" << false << ""
                                                 << "flug-01-6..ms-60grad-klassisch.xlsx";
        QTest::newRow("a group with what no file name holds")
            << 1 << "6"
            << "60" << false << " Klasse 7b/Gruppe: 2 \\ \"A*\"?"
            << "flug-01-6ms-60grad-klassisch-Klasse-7b-Gruppe-2-A.xlsx";
        QTest::newRow("a long name cut between characters")
            << 100 << "6"
            << "60" << true << "Größenwahnsinnige Überflieger der Jahrgangsstufe"
            << "flug-100-6ms-60grad-exakt-Größenwahnsinnige-Überflieger-der-Jah.xlsx";
        // Byte 40 falls inside the "ä": it goes whole.
        QTest::newRow("never half a character")
            << 1 << "6"
            << "60" << false << QString(39, 'a') + "äb"
            << "flug-01-6ms-60grad-klassisch-" + QString(39, 'a') + ".xlsx";
    }
    void suggestedFileNames() {
        QFETCH(int, number);
        QFETCH(QString, speed);
        QFETCH(QString, angle);
        QFETCH(bool, exact);
        QFETCH(QString, group);
        QFETCH(QString, name);
        const FlightNaming naming{number, speed.toStdString(), angle.toStdString(),
                                  exact ? Model::Exact : Model::Classic, group.toStdString()};
        QCOMPARE(QString::fromStdString(FlightFileName(naming, "xlsx")), name);
    }

    void logWorkbookName() {
        QCOMPARE(LogFileName("7b / Anna", "2026-12-09", "xlsx"),
                 std::string("flugprotokoll-7b-Anna-2026-12-09.xlsx"));
        QCOMPARE(LogFileName("", "2026-12-09", "xlsx"),
                 std::string("flugprotokoll-2026-12-09.xlsx"));
        QCOMPARE(LogFileName(":/", "2026-12-09", "xlsx"),
                 std::string("flugprotokoll-2026-12-09.xlsx"));
    }
};

QTEST_GUILESS_MAIN(FlightLogTest)
#include "test_flight_log.moc"
