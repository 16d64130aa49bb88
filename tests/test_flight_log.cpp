// SPDX-License-Identifier: MIT
// The lesson's log: numbering, the eight shown, its file written and read back, and the names
// its saves suggest.
#include "flight/file_names.h"
#include "flight/log_file.h"
#include "flight/takeoff_check.h"
#include "flight/whole_flight.h"
#include "log_fixture.h"

#include <QTest>
#include <string>
#include <vector>

using namespace purzo;

using purzo::test::Flown;
using purzo::test::ThreeFlights;

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
        const LogFileReading reading = ReadLogFile(LogFileText(log));
        QCOMPARE(reading.problem, LogFileProblem::None);
        const std::optional<FlightLog>& read = reading.log;
        QVERIFY(read);
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
