// SPDX-License-Identifier: MIT
// The log's file as a class's lessons meet it: damaged lines left out and counted, never loaded
// changed; another system's line ends; yesterday's format; every value the dialogs accept read
// back as written; and two windows writing in turns, none of their flights lost.
#include "flight/log_changes.h"
#include "flight/log_cells.h"
#include "flight/log_file.h"
#include "flight/log_line.h"
#include "log_fixture.h"

#include <QFile>
#include <QTest>
#include <cmath>
#include <string>
#include <vector>

using namespace purzo;
using purzo::test::Flown;
using purzo::test::ThreeFlights;

Q_DECLARE_METATYPE(purzo::LogFileProblem)

namespace {

QString Numbers(const FlightLog& log) {
    QStringList numbers;
    for (const LoggedFlight& f : log.flights()) {
        numbers << QString::number(f.number);
    }
    return numbers.join(',');
}

// What makes a logged flight that flight: a line loaded changed differs here.
bool SameFlight(const LoggedFlight& a, const LoggedFlight& b) {
    return a.number == b.number && a.group == b.group && a.flownAt == b.flownAt &&
           a.shown == b.shown && a.record.speedText == b.record.speedText &&
           a.record.angleText == b.record.angleText && a.record.model == b.record.model &&
           a.record.pace == b.record.pace && a.record.athlete == b.record.athlete &&
           a.record.postures() == b.record.postures() && a.record.plan == b.record.plan &&
           a.record.prediction == b.record.prediction && a.record.video == b.record.video;
}

// Three flights and one from a student's video, with a tab and a backslash in the film's name.
FlightLog WithVideoFlight() {
    FlightLog log = ThreeFlights();
    Athlete filmed;
    filmed.bodyHeightM = 1.64;
    filmed.spinDegPerS = 212.5;
    FlightRecord r =
        Flown("6,12", "63,4", Model::Exact, {1, 1, 4, 6, 6, 4, 1}, std::nullopt, filmed);
    r.video = VideoSource{"Lea\tSprung\\3.mp4", 6.1204, 63.41, 212.5, 0.9432, 9.77, 0.0031, 1.25};
    log.add(std::move(r), "Delfine", "2026-12-11 09:10");
    return log;
}

// Three flights and a fourth flown by plan, with its group's prediction.
FlightLog WithPlannedFlight() {
    FlightLog log = ThreeFlights();
    const TuckPlan plan{3, 6, 6};
    FlightRecord r = Flown("6,5", "70", Model::Exact, PlanPostures(plan));
    r.plan = plan;
    r.prediction = Prediction{Verdict::TooFar, 397.5};
    log.add(std::move(r), "Delfine", "2026-12-10 09:40");
    // A plan given as a posture list, flown without a prediction.
    FlightRecord listed = Flown("6", "70", Model::Exact, {1, 5, 6, 7, 7, 6, 1});
    listed.plan = TuckPlan{0, 0, 0, {1, 5, 6, 7, 7, 6, 1}};
    log.add(std::move(listed), "Robben", "2026-12-10 09:45");
    return log;
}

// A window's part in a shared file: its changes made on whatever the file holds when it writes.
struct Writer {
    FlightLog memory;
    LogChanges unwritten;
    void fly(const std::string& group) {
        LogChange change;
        change.flight.group = group;
        change.flight.record = Flown("6", "60", Model::Classic, {1});
        change.flight.summary =
            SummaryOf(change.flight.record.params, Model::Classic, change.flight.record.frames);
        unwritten.make(memory, std::move(change));
    }
    void write(std::string& file) {
        memory = unwritten.madeOn(file.empty() ? FlightLog() : *ReadLogFile(file).log);
        file = LogFileText(memory);
        unwritten.clear();
    }
};

} // namespace

class LogFileTest : public QObject {
    Q_OBJECT
private slots:
    void wholeFilesThatAreNoLog_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<LogFileProblem>("problem");
        QTest::newRow("empty") << QByteArray() << LogFileProblem::NotALog;
        QTest::newRow("another program's")
            << QByteArray("PK\x03\x04 zip") << LogFileProblem::NotALog;
        QTest::newRow("a newer format")
            << QByteArray("Purzosimulation flight log 5\nwhatever comes\n")
            << LogFileProblem::NewerVersion;
        QTest::newRow("one byte over the bound")
            << QByteArray(int(kMostLogFileBytes) + 1, 'x') << LogFileProblem::TooLarge;
    }
    void wholeFilesThatAreNoLog() {
        QFETCH(QByteArray, text);
        QFETCH(LogFileProblem, problem);
        const LogFileReading reading = ReadLogFile(text.toStdString());
        QCOMPARE(reading.problem, problem);
        QVERIFY(!reading.log);
    }

    // A damaged line is left out and counted; every other flight loads as it was written.
    void damagedLinesAreLeftOut_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<int>("firstDamaged");
        // Line 1 the header, 2 the group, 3 the lesson, then a flight and its result each.
        QTest::newRow("a digit of the second flight's speed") << "speed"
                                                              << "1,3" << 6;
        QTest::newRow("a posture out of range, checksum mended") << "posture 9"
                                                                 << "2,3" << 4;
        QTest::newRow("the third flight cut off") << "cut flight"
                                                  << "1,2" << 8;
        QTest::newRow("cut before the end line") << "cut"
                                                 << "1,2,3" << 10;
        QTest::newRow("a flight and its result gone") << "drop flight"
                                                      << "1,3" << 9;
        QTest::newRow("the group's name") << "group"
                                          << "1,2,3" << 2;
    }
    void damagedLinesAreLeftOut() {
        QFETCH(QString, change);
        QFETCH(QString, loaded);
        QFETCH(int, firstDamaged);
        const FlightLog written = ThreeFlights();
        std::string text = LogFileText(written);
        const std::size_t second = text.find("\nflight\t2") + 1;
        const std::size_t third = text.find("\nflight\t3") + 1;
        if (change == "speed") {
            text[text.find("\t7,5\t") + 1] = '8';
        } else if (change == "posture 9") {
            const std::size_t first = text.find("\nflight\t1") + 1;
            const std::size_t end = text.find('\n', first);
            std::string line = text.substr(first, text.rfind('\t', end) - first);
            line[line.find("\t1,1,") + 1] = '9';
            text.replace(first, end - first, WithChecksum(line));
        } else if (change == "cut flight") {
            text.resize(third + 30);
        } else if (change == "cut") {
            text.resize(text.rfind("end\t"));
        } else if (change == "drop flight") {
            text.erase(second, third - second);
        } else if (change == "group") {
            text[text.find("Klasse")] = 'k';
        }
        const LogFileReading reading = ReadLogFile(text);
        QCOMPARE(reading.problem, LogFileProblem::Damaged);
        QVERIFY(reading.log);
        QCOMPARE(Numbers(*reading.log), loaded);
        QCOMPARE(reading.firstDamagedLine, firstDamaged);
        QVERIFY(reading.damagedLines >= 1);
        for (const LoggedFlight& f : reading.log->flights()) {
            QVERIFY(SameFlight(f, *written.find(f.number)));
        }
    }

    // Any one flipped bit anywhere: never a flight loaded changed, never a damage unsaid.
    void noFlippedBitPassesUnnoticed_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("flown by hand") << 0;
        QTest::newRow("with a plan") << 1;
        QTest::newRow("from a video") << 2;
    }
    void noFlippedBitPassesUnnoticed() {
        QFETCH(int, kind);
        const FlightLog written = kind == 1   ? WithPlannedFlight()
                                  : kind == 2 ? WithVideoFlight()
                                              : ThreeFlights();
        const std::string text = LogFileText(written);
        for (std::size_t at = 0; at < text.size(); ++at) {
            for (const int bit : {0, 3, 6}) {
                std::string flipped = text;
                flipped[at] = char(flipped[at] ^ (1 << bit));
                const LogFileReading reading = ReadLogFile(flipped);
                const std::string where =
                    "byte " + std::to_string(at) + " bit " + std::to_string(bit);
                QVERIFY2(reading.problem != LogFileProblem::None, where.c_str());
                if (reading.log) {
                    QVERIFY2(reading.log->group == written.group || reading.firstDamagedLine == 2,
                             where.c_str());
                    for (const LoggedFlight& f : reading.log->flights()) {
                        const LoggedFlight* original = written.find(f.number);
                        QVERIFY2(original && SameFlight(f, *original), where.c_str());
                    }
                }
            }
        }
    }

    void otherLineEndsAndAByteOrderMarkReadTheSame_data() {
        QTest::addColumn<QString>("form");
        QTest::newRow("CRLF") << "crlf";
        QTest::newRow("byte-order mark") << "bom";
        QTest::newRow("both") << "both";
    }
    void otherLineEndsAndAByteOrderMarkReadTheSame() {
        QFETCH(QString, form);
        const FlightLog written = ThreeFlights();
        std::string text = LogFileText(written);
        if (form != "bom") {
            for (std::size_t at = text.find('\n'); at != std::string::npos;
                 at = text.find('\n', at + 2)) {
                text.insert(at, 1, '\r');
            }
        }
        if (form != "crlf") {
            text.insert(0, "\xEF\xBB\xBF");
        }
        const LogFileReading reading = ReadLogFile(text);
        QCOMPARE(reading.problem, LogFileProblem::None);
        QCOMPARE(Numbers(*reading.log), QStringLiteral("1,2,3"));
        QCOMPARE(reading.log->group, written.group);
    }

    // A log written before the lines had checksums, kept as it was written then.
    void yesterdaysLogStillReads() {
        QFile sample(QStringLiteral(PURZO_TEST_DATA_DIR "/flugprotokoll-format1.txt"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const LogFileReading reading = ReadLogFile(sample.readAll().toStdString());
        QCOMPARE(reading.problem, LogFileProblem::None);
        QVERIFY(reading.olderFormat);
        const FlightLog& log = *reading.log;
        QCOMPARE(log.group, std::string("7b \"Delfine\""));
        QCOMPARE(Numbers(log), QStringLiteral("2,3,4,5"));
        QCOMPARE(log.find(4)->group, std::string("Cem\\Dora\tÖzlem"));
        QVERIFY(log.find(2)->shown && log.find(4)->shown && !log.find(3)->shown);
        QCOMPARE(log.find(3)->record.athlete, (Athlete{52.5, 1.6, 0}));
        QCOMPARE(log.find(5)->record.athlete, (Athlete{95, 2.05, 300}));
        QCOMPARE(log.find(3)->record.pace, std::optional<Pace>());
        QCOMPARE(log.find(4)->record.pace, std::optional(Pace::ExtremeSlowMotion));
        // The flight classic at 9 m/s flew as the replaced 5 m/s, 50°.
        QCOMPARE(log.find(4)->summary.speedMPerS, 5.0);
        // The classic flight lands where it landed then; the exact one is flown in today's body,
        // whose limbs reach the tuck over several frames.
        QCOMPARE(log.find(4)->record.frames.size(), std::size_t(17));
        const FlightRecord tucked = Flown(
            "6", "70", Model::Exact, {1, 1, 1, 1, 5, 6, 7, 7, 7, 7, 7, 6, 5, 1}, Pace::SlowMotion);
        QCOMPARE(log.find(2)->record.frames.size(), tucked.frames.size());
        QCOMPARE(log.find(2)->record.frames.back().rotationDeg, tucked.frames.back().rotationDeg);
        // Written again in today's format: the same flights, and flight 1 stays deleted.
        FlightLog again = *ReadLogFile(LogFileText(log)).log;
        QCOMPARE(Numbers(again), QStringLiteral("2,3,4,5"));
        QCOMPARE(again.add(Flown("6", "60", Model::Classic, {1}), "", ""), 6);
    }

    // Every value the athlete dialog takes, its range's ends and the smallest spins included.
    void athleteValuesReadBackAsWritten_data() {
        QTest::addColumn<double>("massKg");
        QTest::addColumn<double>("heightM");
        QTest::addColumn<double>("spinDegPerS");
        QTest::addColumn<double>("limbSpeedRadPerS");
        const double limbs = kLimbSpeedRangeRadPerS.standard;
        QTest::newRow("spin 0,0001") << 70.0 << 1.8 << 0.0001 << limbs;
        QTest::newRow("spin 0,0005") << 70.0 << 1.8 << 0.0005 << limbs;
        QTest::newRow("spin 1e-7") << 70.0 << 1.8 << 1e-7 << limbs;
        QTest::newRow("spin -0") << 70.0 << 1.8 << -0.0 << limbs;
        QTest::newRow("limbs at 4 rad/s, the rest standard") << 70.0 << 1.8 << 170.0 << 4.0;
        QTest::newRow("the least") << 20.0 << 1.0 << 0.0 << kLimbSpeedRangeRadPerS.least;
        QTest::newRow("the most") << 150.0 << 2.2 << kSpinRangeDegPerS.most
                                  << kLimbSpeedRangeRadPerS.most;
        QTest::newRow("digits to the last bit")
            << 70.123456789012 << 1.7777777777777777 << 1 / 3.0 << 12.000000000000002;
    }
    void athleteValuesReadBackAsWritten() {
        QFETCH(double, massKg);
        QFETCH(double, heightM);
        QFETCH(double, spinDegPerS);
        QFETCH(double, limbSpeedRadPerS);
        FlightLog log;
        const Athlete athlete{massKg, heightM, spinDegPerS, limbSpeedRadPerS};
        log.add(Flown("6", "60", Model::Exact, {1, 1, 7}, Pace::RealTime, athlete), "", "");
        const LogFileReading reading = ReadLogFile(LogFileText(log));
        QCOMPARE(reading.problem, LogFileProblem::None);
        const Athlete& back = reading.log->flights().front().record.athlete;
        QCOMPARE(back.massKg, massKg);
        QCOMPARE(back.bodyHeightM, heightM);
        QCOMPARE(back.spinDegPerS, spinDegPerS); // -0 reads back as 0, which compares equal
        QVERIFY(!std::signbit(back.spinDegPerS));
        QCOMPARE(back.limbSpeedRadPerS, limbSpeedRadPerS);
    }

    // Two windows fly in turns into one file, each writing after every flight onto what the
    // other wrote: all ten flights are kept, numbered 1 to 10 without a gap or a twin.
    void twoWritersInTurnsKeepEveryFlight() {
        std::string file;
        Writer a, b;
        for (int i = 0; i < 5; ++i) {
            a.fly("A");
            a.write(file);
            b.fly("B");
            b.write(file);
        }
        // A forgotten third copy that read the file at the start flies once more.
        Writer late;
        late.memory = *ReadLogFile(file).log;
        late.fly("late");
        late.write(file);
        const FlightLog log = *ReadLogFile(file).log;
        QCOMPARE(Numbers(log), QStringLiteral("1,2,3,4,5,6,7,8,9,10,11"));
        QCOMPARE(log.find(10)->group, std::string("B"));
        QCOMPARE(log.find(11)->group, std::string("late"));
    }

    // A write that failed (a full disk) keeps its changes; the next write puts them onto what
    // another window wrote meanwhile, a change to a kept flight following it to its new number.
    void changesKeptBackGoWithTheNextWrite() {
        std::string file;
        Writer a, b;
        a.fly("A");
        a.write(file);
        a.fly("A"); // not written: memory numbers it 2
        LogChange show;
        show.kind = LogChange::Kind::Show;
        show.number = 2;
        QVERIFY(a.unwritten.make(a.memory, show));
        b.fly("B");
        b.write(file); // the file's flight 2 is B's
        a.write(file);
        const FlightLog log = *ReadLogFile(file).log;
        QCOMPARE(Numbers(log), QStringLiteral("1,2,3"));
        QCOMPARE(log.find(3)->group, std::string("A"));
        QVERIFY(log.find(3)->shown);
        QVERIFY(!log.find(2)->shown);
    }

    // The lesson's title and date come back; a verdict changed by hand with its checksum mended
    // is counted, and the flight keeps the program's own.
    void aChangedResultIsCountedAndTheProgramsStands() {
        FlightLog log = ThreeFlights();
        log.title = "Salto\trückwärts";
        log.date = "2026-12-10";
        std::string text = LogFileText(log);
        const std::size_t first = text.find("\nresult\t2\t") + 1;
        const std::size_t end = text.find('\n', first);
        std::string line = text.substr(first, text.rfind('\t', end) - first);
        const std::string verdict(VerdictCode(log.find(2)->summary.landing->verdict));
        const std::string other = verdict == "upright" ? "too-far" : "upright";
        line.replace(line.find("\t" + verdict + "\t") + 1, verdict.size(), other);
        text.replace(first, end - first, WithChecksum(line));
        const LogFileReading reading = ReadLogFile(text);
        QCOMPARE(reading.problem, LogFileProblem::None);
        QCOMPARE(reading.differingResults, 1);
        QCOMPARE(reading.log->title, log.title);
        QCOMPARE(reading.log->date, log.date);
        QCOMPARE(reading.log->find(2)->summary.landing->verdict,
                 log.find(2)->summary.landing->verdict);
        QCOMPARE(ReadLogFile(LogFileText(log)).differingResults, 0);
    }

    void aPlanReadsBackWithItsPrediction() {
        const FlightLog log = WithPlannedFlight();
        const LogFileReading reading = ReadLogFile(LogFileText(log));
        QCOMPARE(reading.problem, LogFileProblem::None);
        const LoggedFlight* planned = reading.log->find(4);
        QVERIFY(planned && planned->record.plan && planned->record.prediction);
        QVERIFY(SameFlight(*planned, *log.find(4)));
        const LoggedFlight* listed = reading.log->find(5);
        QVERIFY(listed && listed->record.plan && !listed->record.prediction);
        QCOMPARE(listed->record.plan->postures, (std::vector<int>{1, 5, 6, 7, 7, 6, 1}));
        QVERIFY(!reading.log->find(3)->record.plan);
    }
    // A plan that is not what its flight flew, or does not read, damages its flight's line: the
    // flight is left out, never loaded with another plan or none.
    void aPlanThatIsNotTheFlightsIsLeftOut_data() {
        QTest::addColumn<int>("flight");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("another start") << 4 << "09:40\t3\t6\t6"
                                       << "09:40\t2\t6\t6";
        QTest::newRow("another depth") << 4 << "09:40\t3\t6\t6"
                                       << "09:40\t3\t6\t7";
        QTest::newRow("depth 4") << 4 << "09:40\t3\t6\t6"
                                 << "09:40\t3\t6\t4";
        QTest::newRow("no plan") << 4 << "09:40\t3\t6\t6"
                                 << "09:40\t-\t-\t-";
        QTest::newRow("no verdict") << 4 << "\ttoo-far\t"
                                    << "\tfar\t";
        QTest::newRow("rotation no number") << 4 << "\t397.5"
                                            << "\t39x";
        QTest::newRow("a flight by hand") << 3 << "\t-\t-\t-\t"
                                          << "\t2\t3\t7\t";
    }
    void aPlanThatIsNotTheFlightsIsLeftOut() {
        QFETCH(int, flight);
        QFETCH(QString, from);
        QFETCH(QString, to);
        const FlightLog written = WithPlannedFlight();
        std::string text = LogFileText(written);
        const std::size_t first = text.find("\nflight\t" + std::to_string(flight) + "\t") + 1;
        const std::size_t end = text.find('\n', first);
        std::string line = text.substr(first, text.rfind('\t', end) - first);
        const std::size_t at = line.find(from.toStdString());
        QVERIFY(at != std::string::npos);
        line.replace(at, std::size_t(from.size()), to.toStdString());
        text.replace(first, end - first, WithChecksum(line));
        const LogFileReading reading = ReadLogFile(text);
        QCOMPARE(reading.problem, LogFileProblem::Damaged);
        QCOMPARE(reading.damagedLines, 1);
        QVERIFY(!reading.log->find(flight));
        for (const LoggedFlight& f : reading.log->flights()) {
            QVERIFY(SameFlight(f, *written.find(f.number)));
        }
    }

    // A video flight keeps its film's name and fit; one whose fit does not read, or that claims
    // the classic model, is left out whole, never loaded as a flight typed by hand.
    void aVideoFlightReadsBackWithItsFilm_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("as written") << ""
                                    << "";
        QTest::newRow("a fitted value no number") << "\t9.77\t"
                                                  << "\t9,77\t";
        QTest::newRow("the film's name cut") << "3.mp4\t"
                                             << "3.mp4\\\t";
        QTest::newRow("the classic model") << "\texact\t"
                                           << "\tclassic\t";
        QTest::newRow("a value missing") << "\t1.25"
                                         << "";
    }
    void aVideoFlightReadsBackWithItsFilm() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        const FlightLog written = WithVideoFlight();
        std::string text = LogFileText(written);
        const std::size_t first = text.find("\nflight\t4\t") + 1;
        const std::size_t end = text.find('\n', first);
        std::string line = text.substr(first, text.rfind('\t', end) - first);
        const std::size_t at = line.find(from.toStdString());
        QVERIFY(at != std::string::npos);
        line.replace(at, std::size_t(from.size()), to.toStdString());
        text.replace(first, end - first, WithChecksum(line));
        const LogFileReading reading = ReadLogFile(text);
        const LoggedFlight* video = reading.log->find(4);
        if (from.isEmpty()) {
            QCOMPARE(reading.problem, LogFileProblem::None);
            QVERIFY(video && SameFlight(*video, *written.find(4)));
            QCOMPARE(video->record.video->fileName, std::string("Lea\tSprung\\3.mp4"));
            // The log says where it came from, in the plan's column.
            QCOMPARE(LogCellOf(*video, Quantity::Plan, TextLanguage::German).text,
                     std::string("Video Lea\tSprung\\3.mp4"));
            return;
        }
        QCOMPARE(reading.problem, LogFileProblem::Damaged);
        QCOMPARE(reading.damagedLines, 1);
        QVERIFY(!video);
    }

    // A deleted flight's number is not handed out again, after a restart neither.
    void aDeletedNumberStaysUnused() {
        FlightLog log = ThreeFlights();
        QVERIFY(log.remove(3));
        const FlightLog back = *ReadLogFile(LogFileText(log)).log;
        FlightLog more = back;
        QCOMPARE(more.add(Flown("6", "60", Model::Classic, {1}), "", ""), 4);
    }
};

QTEST_GUILESS_MAIN(LogFileTest)
#include "test_log_file.moc"
