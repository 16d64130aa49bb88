// SPDX-License-Identifier: MIT
// The log's file under what a classroom does to it: a full disk, two windows at once, every
// change written at once, what a crash left behind, a folder or a dead link in its place; and a
// picture saved onto a full disk.
#include "flight/athlete_text.h"
#include "flight/log_file.h"
#include "flight/whole_file.h"
#include "log_fixture.h"
#include "window/lesson/lesson_log.h"
#include "window/remembered_choices.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cerrno>

using namespace purzo;
using purzo::test::Flown;

namespace {

FlightRecord AFlight() {
    return Flown("6", "60", Model::Classic, {1});
}

QByteArray Contents(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

FlightLog OnDisk(const QString& file) {
    const LogFileReading reading = ReadLogFile(Contents(file).toStdString());
    return reading.log.value_or(FlightLog());
}

QString Numbers(const FlightLog& log) {
    QStringList numbers;
    for (const LoggedFlight& f : log.flights()) {
        numbers << QString::number(f.number) + (f.shown ? "*" : "");
    }
    return numbers.join(',');
}

// The calls of a disk that is full, fails its flush or its rename.
FileCalls Failing(const QString& call) {
    FileCalls calls = SystemFileCalls();
    if (call == "write") {
        calls.write = [](int, const void*, std::size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
    } else if (call == "short write") { // a part written, then the disk is full
        calls.write = [](int fd, const void* bytes, std::size_t count) -> ssize_t {
            static bool first = true;
            if (std::exchange(first, !first)) {
                return ::write(fd, bytes, count / 2);
            }
            errno = ENOSPC;
            return -1;
        };
    } else if (call == "fsync") {
        calls.fsync = [](int) {
            errno = ENOSPC;
            return -1;
        };
    } else {
        calls.rename = [](const char*, const char*) {
            errno = EIO;
            return -1;
        };
    }
    return calls;
}

} // namespace

class WindowLogFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { purzo::test::FailOnWarnings(); }

    // Ten flights on the disk, then the disk fails: the file keeps its ten, the class is told,
    // and once the disk works again the next try writes all eleven, without a new flight.
    void aFailingDiskKeepsTheLogAndWritesWhenItCan_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("said");
        QTest::newRow("a full disk") << "write"
                                     << "Kein freier Speicherplatz";
        QTest::newRow("full after half") << "short write"
                                         << "Kein freier Speicherplatz";
        QTest::newRow("the flush fails") << "fsync"
                                         << "Kein freier Speicherplatz";
        QTest::newRow("the rename fails") << "rename"
                                          << "Laufwerk meldet einen Fehler";
    }
    void aFailingDiskKeepsTheLogAndWritesWhenItCan() {
        QFETCH(QString, call);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        LessonLog log;
        log.keepIn(file);
        for (int i = 0; i < 10; ++i) {
            log.logFlight(AFlight());
        }
        const QByteArray ten = Contents(file);
        QSignalSpy problems(&log, &LessonLog::problem);
        QSignalSpy recovered(&log, &LessonLog::recovered);
        {
            const FileCalls failing = Failing(call);
            const FileCallsForTesting full(failing);
            log.logFlight(AFlight());
            log.setShown(11, true);
        }
        QCOMPARE(Contents(file), ten);
        QCOMPARE(problems.count(), 1);
        QVERIFY2(problems.first().first().toString().contains(said),
                 qPrintable(problems.first().first().toString()));
        QCOMPARE(log.log().flights().size(), std::size_t(11));
        QVERIFY(!log.written());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("flugprotokoll.txt")});
        log.retry();
        QCOMPARE(Numbers(OnDisk(file)), QStringLiteral("1,2,3,4,5,6,7,8,9,10,11*"));
        QCOMPARE(recovered.count(), 1);
        QVERIFY(log.written());
        log.logFlight(AFlight());
        QCOMPARE(Numbers(OnDisk(file)), QStringLiteral("1,2,3,4,5,6,7,8,9,10,11*,12"));
        QCOMPARE(problems.count(), 1);
    }

    // Two windows on one account, flying in turns into one file: all ten flights, 1 to 10.
    void twoWindowsShareOneLog() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        LessonLog first, second;
        first.keepIn(file);
        second.keepIn(file);
        for (int i = 0; i < 5; ++i) {
            first.logFlight(AFlight());
            second.logFlight(AFlight());
        }
        QCOMPARE(Numbers(OnDisk(file)), QStringLiteral("1,2,3,4,5,6,7,8,9,10"));
        QCOMPARE(Numbers(second.log()), QStringLiteral("1,2,3,4,5,6,7,8,9,10"));
        // The first, which has not written since, flies once more and keeps the second's.
        first.remove(3);
        QCOMPARE(Numbers(OnDisk(file)), QStringLiteral("1,2,4,5,6,7,8,9,10"));
        QCOMPARE(second.logFlight(AFlight()), 11);
    }

    // Whatever the class does to the log is in the file the moment it is done.
    void everyChangeIsInTheFileAtOnce() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        LessonLog log;
        log.keepIn(file);
        const auto same = [&] {
            const FlightLog disk = OnDisk(file);
            return Numbers(disk) == Numbers(log.log()) && disk.group == log.log().group;
        };
        log.logFlight(AFlight());
        log.logFlight(AFlight());
        QVERIFY(same());
        QVERIFY(log.setShown(2, true));
        QCOMPARE(Numbers(OnDisk(file)), QStringLiteral("1,2*"));
        QVERIFY(log.setShown(2, false));
        QCOMPARE(Numbers(OnDisk(file)), QStringLiteral("1,2"));
        log.setGroup(QStringLiteral("7b"));
        QCOMPARE(OnDisk(file).group, std::string("7b"));
        log.remove(1);
        QCOMPARE(Numbers(OnDisk(file)), QStringLiteral("2"));
        log.clear();
        QVERIFY(QFile::exists(file));
        QCOMPARE(Numbers(OnDisk(file)), QString());
        QVERIFY(same());
    }

    // What a save cut short by a crash left beside the log goes at the next start; a file of
    // the user's own stays.
    void whatACrashLeftIsRemovedAtTheStart() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        for (const char* name : {".flugprotokoll.txt.purzo-k3j9x0ab", "flugprotokoll.txt.qJckRx",
                                 "flugprotokoll.txt.backup"}) {
            QFile stray(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(stray.open(QIODevice::WriteOnly));
            stray.write("Purzosimulation flight log 2\n");
        }
        LessonLog log;
        log.keepIn(file);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("flugprotokoll.txt.backup")});
    }

    // A log that cannot be read is never written over: the class is told once, and its
    // flights stay in memory.
    void aLogThatCannotBeReadIsNeverOverwritten_data() {
        QTest::addColumn<QString>("inPlace");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a link that leads nowhere") << "dead link";
    }
    void aLogThatCannotBeReadIsNeverOverwritten() {
        QFETCH(QString, inPlace);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        if (inPlace == "folder") {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("flugprotokoll.txt")));
        } else {
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.txt")), file));
        }
        LessonLog log;
        QSignalSpy problems(&log, &LessonLog::problem);
        log.keepIn(file);
        log.logFlight(AFlight());
        log.logFlight(AFlight());
        QCOMPARE(problems.count(), 1);
        QVERIFY(problems.first().first().toString().contains(QStringLiteral("nicht gelesen")));
        QCOMPARE(log.log().flights().size(), std::size_t(2));
        QCOMPARE(QFileInfo(file).isDir(), inPlace == "folder");
        QCOMPARE(QFileInfo(file).isSymLink(), inPlace == "dead link");
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("gone.txt"))));
    }

    // A log that is a link to a file elsewhere is written through it; the link stays a link.
    void aLinkedLogIsWrittenThroughTheLink() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("shared.txt"));
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        {
            LessonLog first;
            first.keepIn(target);
            first.logFlight(AFlight());
        }
        QVERIFY(QFile::link(target, file));
        LessonLog log;
        log.keepIn(file);
        log.logFlight(AFlight());
        QVERIFY(QFileInfo(file).isSymLink());
        QCOMPARE(Numbers(OnDisk(target)), QStringLiteral("1,2"));
    }

    // Two damaged logs in one second: two copies set aside, neither over the other.
    void setAsideCopiesNeverCollide() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        for (const QByteArray& text : {QByteArray("not a log"), QByteArray("nor this")}) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(text);
            out.close();
            LessonLog log;
            QVERIFY(!log.keepIn(file).isEmpty());
        }
        const QStringList aside =
            QDir(dir.path()).entryList({QStringLiteral("flugprotokoll.txt.defekt-*")});
        QCOMPARE(aside.size(), 2);
        QStringList kept;
        for (const QString& name : aside) {
            kept << QString::fromLatin1(Contents(dir.filePath(name)));
        }
        kept.sort();
        QCOMPARE(kept, (QStringList{"nor this", "not a log"}));
    }

    // A spin typed into the dialog, remembered and logged: after a restart the choices and the
    // log read back exactly that athlete, and nothing is set aside.
    void typedAthleteValuesSurviveARestart_data() {
        QTest::addColumn<QString>("spin");
        QTest::newRow("0,0001") << "0,0001";
        QTest::newRow("0,0005") << "0,0005";
        QTest::newRow("-0") << "-0";
        QTest::newRow("0,0000001") << "0,0000001";
        QTest::newRow("the range's end") << QString::number(kSpinRangeDegPerS.most);
    }
    void typedAthleteValuesSurviveARestart() {
        QFETCH(QString, spin);
        const std::optional<double> typed = ReadAthleteValue(spin.toStdString(), kSpinRangeDegPerS);
        QVERIFY(typed);
        const Athlete athlete{kMassRangeKg.standard, kHeightRangeM.standard, *typed};
        QTemporaryDir dir;
        RememberedChoices choices;
        choices.athlete = athlete;
        SaveChoices(dir.filePath(QStringLiteral("purzo.conf")), choices);
        QCOMPARE(LoadChoices(dir.filePath(QStringLiteral("purzo.conf"))).athlete, athlete);
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        {
            LessonLog log;
            log.keepIn(file);
            log.logFlight(Flown("6", "60", Model::Exact, {1}, Pace::RealTime, athlete));
        }
        LessonLog again;
        QCOMPARE(again.keepIn(file), QString());
        QCOMPARE(again.log().flights().front().record.athlete, athlete);
    }

    // A picture saved onto a full disk: said, and the picture already there stays whole.
    void aPictureOnAFullDiskLeavesTheOldOne() {
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(purzo::test::ShowWhole(window));
        purzo::test::Fly(window);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bild.png"));
        QVERIFY(window.saveCanvasPicture(path));
        const QByteArray before = Contents(path);
        QSignalSpy failed(&window, &PurzoWindow::saveFailed);
        {
            const FileCalls failing = Failing(QStringLiteral("short write"));
            const FileCallsForTesting full(failing);
            QVERIFY(!window.saveCanvasPicture(path));
        }
        QCOMPARE(failed.count(), 1);
        QVERIFY(failed.first().first().toString().contains(QStringLiteral("Speicherplatz")));
        QCOMPARE(Contents(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("bild.png")});
        // Neither a folder nor a device takes a picture.
        QVERIFY(!window.saveCanvasPicture(dir.path()));
        QVERIFY(!window.saveCanvasPicture(QStringLiteral("/dev/null")));
        QVERIFY(QFileInfo(QStringLiteral("/dev/null")).exists() &&
                !QFileInfo(QStringLiteral("/dev/null")).isFile());
    }
};

QTEST_MAIN(WindowLogFileTest)
#include "test_window_log_file.moc"
