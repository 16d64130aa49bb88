// SPDX-License-Identifier: MIT
// The lesson in the log window as a teacher runs it: groups chosen in one click, the teacher's
// own flights, each group's best attempt marked and shown at once, the lesson's title and date
// kept, a student's log exported and many merged, the program's results standing.
#include "flight/lesson_groups.h"
#include "flight/log_file.h"
#include "flight/log_line.h"
#include "log_fixture.h"
#include "window/controls/lesson_menu.h"
#include "window/lesson/flight_log_model.h"
#include "window/lesson/flight_log_window.h"
#include "window/lesson/lesson_log.h"
#include "window_fixture.h"
#include "xlsx_cells.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>

using namespace purzo;
using purzo::test::Flown;

namespace {

// An exact flight at 6 m/s and `angle`°, tucked from the third frame for six frames.
FlightRecord Tucked(int angle) {
    return Flown("6", std::to_string(angle), Model::Exact, {1, 1, 5, 7, 7, 7, 7, 7, 1});
}

bool Upright(const FlightRecord& r) {
    const FlightSummary s = SummaryOf(r.params, r.model, r.frames);
    return s.landing && s.landing->verdict == Verdict::Upright;
}

QString GroupCell(FlightLogWindow& window, int row) {
    return window.model()->index(row, 1).data().toString();
}

} // namespace

class WindowLessonLogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        purzo::test::FailOnWarnings();
        purzo::test::UseProgramLook();
    }

    // A group typed once is offered from then on; a flight without one is the teacher's.
    void groupsAreChosenInOneClick() {
        QTemporaryDir dir;
        PurzoWindow window;
        window.setPauseOverrideForTesting(1);
        QVERIFY(purzo::test::ShowWhole(window));
        window.keepLogIn(dir.filePath(QStringLiteral("flugprotokoll.txt")));
        window.showLog();
        FlightLogWindow* log = window.logWindow();
        auto* chooser = log->findChild<QComboBox*>(QStringLiteral("groupChooser"));
        for (const char* group : {"Delfine", "Haie"}) {
            chooser->lineEdit()->setText(QString::fromUtf8(group));
            emit chooser->lineEdit()->editingFinished();
            purzo::test::Fly(window);
        }
        QCOMPARE(chooser->count(), 3);
        QCOMPARE(chooser->itemText(0), QStringLiteral("Lehrkraft"));
        QCOMPARE(chooser->itemText(1), QStringLiteral("Delfine"));
        emit chooser->activated(1);
        purzo::test::Fly(window);
        emit chooser->activated(0);
        purzo::test::Fly(window);
        const FlightLog& flights = window.lessonLog()->log();
        QCOMPARE(flights.flights()[2].group, std::string("Delfine"));
        QCOMPARE(flights.flights()[3].group, std::string());
        QVERIFY(GroupCell(*log, 3).startsWith(QStringLiteral("Lehrkraft")));
    }

    // Each group's best attempt carries a star; one click shows exactly those.
    void bestAttemptsAreMarkedAndShownAtOnce() {
        std::vector<FlightRecord> upright, other;
        for (int angle = 30; angle <= 80; ++angle) {
            FlightRecord r = Tucked(angle);
            (Upright(r) ? upright : other).push_back(std::move(r));
        }
        QVERIFY(upright.size() >= 2 && !other.empty());
        QTemporaryDir dir;
        PurzoWindow window;
        window.keepLogIn(dir.filePath(QStringLiteral("flugprotokoll.txt")));
        LessonLog* lesson = window.lessonLog();
        lesson->setGroup(QStringLiteral("Delfine"));
        lesson->logFlight(upright[0]);
        lesson->logFlight(other[0]);
        lesson->setGroup(QStringLiteral("Haie"));
        lesson->logFlight(other[0]);
        lesson->logFlight(upright[1]);
        lesson->setShown(2, true);
        window.showLog();
        FlightLogWindow* log = window.logWindow();
        QVERIFY(GroupCell(*log, 0).endsWith(QStringLiteral("\u2605")));
        QVERIFY(!GroupCell(*log, 1).endsWith(QStringLiteral("\u2605")));
        QVERIFY(GroupCell(*log, 3).endsWith(QStringLiteral("\u2605")));
        log->findChild<QPushButton*>(QStringLiteral("bestButton"))->click();
        std::vector<int> shown;
        for (const LoggedFlight& f : lesson->log().flights()) {
            if (f.shown) {
                shown.push_back(f.number);
            }
        }
        QCOMPARE(shown, (std::vector<int>{1, 4}));
        // The hand-in's first sheet: each group's attempts and its best one with its verdict.
        const QString book = dir.filePath(QStringLiteral("stunde.xlsx"));
        QVERIFY(log->saveWorkbook(book));
        const QMap<QString, QString> groups = purzo::test::XlsxCells(book, 1);
        QCOMPARE(groups.value("A5"), QStringLiteral("Delfine"));
        QCOMPARE(groups.value("B5").toInt(), 2);
        QCOMPARE(groups.value("C5").toInt(), 1);
        QCOMPARE(groups.value("A6"), QStringLiteral("Haie"));
        QCOMPARE(groups.value("C6").toInt(), 4);
        QCOMPARE(groups.value("H6"), QStringLiteral("aufrecht"));
        // Written at once: a restart shows the same.
        PurzoWindow again;
        again.keepLogIn(dir.filePath(QStringLiteral("flugprotokoll.txt")));
        QVERIFY(again.lessonLog()->log().find(4)->shown);
        QVERIFY(!again.lessonLog()->log().find(2)->shown);
    }

    // After a restart "Letzten Flug wiederholen" plays the log's newest flight.
    void theLogsNewestFlightReplaysAfterARestart() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        {
            PurzoWindow window;
            window.keepLogIn(file);
            window.lessonLog()->logFlight(Tucked(60));
            window.lessonLog()->logFlight(Tucked(70));
        }
        PurzoWindow again;
        again.setPauseOverrideForTesting(1);
        QVERIFY(purzo::test::ShowWhole(again));
        again.keepLogIn(file);
        QAction* replay = again.lessonMenu()->replayAction();
        QVERIFY(!replay->isEnabled());
        again.showLessonMenu(QPoint(10, 10));
        QVERIFY(replay->isEnabled());
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        QSignalSpy finished(&again, &PurzoWindow::replayFinished);
        replay->trigger();
        QVERIFY(again.replayRunning());
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(Tucked(70).frames.size()));
    }

    void theLessonsTitleAndDateAreKept() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("flugprotokoll.txt"));
        {
            PurzoWindow window;
            window.keepLogIn(file);
            window.showLog();
            auto* title = window.logWindow()->findChild<QLineEdit*>(QStringLiteral("lessonTitle"));
            auto* date = window.logWindow()->findChild<QDateEdit*>(QStringLiteral("lessonDate"));
            QCOMPARE(date->date(), QDate::currentDate());
            title->setText(QStringLiteral("Salto rückwärts, 9b"));
            emit title->editingFinished();
            date->setDate(QDate(2026, 12, 11));
            emit date->editingFinished();
        }
        PurzoWindow again;
        again.keepLogIn(file);
        QCOMPARE(again.lessonLog()->log().title, std::string("Salto rückwärts, 9b"));
        QCOMPARE(again.lessonLog()->log().date, std::string("2026-12-11"));
    }

    // Three students' logs: one flight handed in twice, one result changed by hand, one file
    // another program's. Each flight is merged once with the program's own result, and the
    // report says what happened.
    void studentsLogsAreMergedOnceWithTheProgramsResults() {
        QTemporaryDir dir;
        const auto studentLog = [&dir](const QString& name, const std::string& group,
                                       std::vector<int> angles) {
            FlightLog log;
            for (const int angle : angles) {
                log.add(Tucked(angle), group, "2026-12-10 10:" + std::to_string(angle));
            }
            const QString path = dir.filePath(name);
            QFile out(path);
            out.open(QIODevice::WriteOnly);
            out.write(QByteArray::fromStdString(LogFileText(log)));
            return path;
        };
        const QString anna = studentLog(QStringLiteral("anna.txt"), "Anna", {50, 55});
        const QString twice = studentLog(QStringLiteral("ben.txt"), "Anna", {55});
        // Ben's file claims a different verdict for Anna's flight, checksum mended.
        QFile benFile(twice);
        benFile.open(QIODevice::ReadOnly);
        std::string text = benFile.readAll().toStdString();
        benFile.close();
        const std::size_t start = text.find("\nresult\t") + 1;
        const std::size_t end = text.find('\n', start);
        std::vector<std::string_view> fields =
            SplitAt(std::string_view(text).substr(start, end - start), '\t');
        const std::string claimed = fields[2] == "upright" ? "not-on-feet" : "upright";
        const std::string line =
            "result\t1\t" + claimed + "\t" + std::string(fields[3]) + "\t" + std::string(fields[4]);
        text.replace(start, end - start, WithChecksum(line));
        QFile ben(twice);
        ben.open(QIODevice::WriteOnly);
        ben.write(QByteArray::fromStdString(text));
        ben.close();
        const QString foreign = dir.filePath(QStringLiteral("notizen.txt"));
        QFile notes(foreign);
        notes.open(QIODevice::WriteOnly);
        notes.write("Einkaufsliste\n");
        notes.close();

        PurzoWindow window;
        window.keepLogIn(dir.filePath(QStringLiteral("flugprotokoll.txt")));
        window.lessonLog()->logFlight(Tucked(60));
        window.showLog();
        const QString report = window.logWindow()->mergeFiles({anna, twice, foreign});
        QVERIFY2(report.contains(QStringLiteral("2 Flüge übernommen, 1 waren schon")),
                 qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("Bei 1 Flügen")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("notizen.txt")), qPrintable(report));
        const FlightLog& lesson = window.lessonLog()->log();
        QCOMPARE(lesson.flights().size(), std::size_t(3));
        QCOMPARE(lesson.flights().back().number, 3);
        QCOMPARE(lesson.flights().back().group, std::string("Anna"));
        const FlightRecord own = Tucked(55);
        QCOMPARE(lesson.flights().back().summary.landing->verdict,
                 SummaryOf(own.params, own.model, own.frames).landing->verdict);
        if (auto* box =
                window.logWindow()->findChild<QMessageBox*>(QStringLiteral("mergeReport"))) {
            box->close();
        }
    }
};

QTEST_MAIN(WindowLessonLogTest)
#include "test_window_lesson_log.moc"
