// SPDX-License-Identifier: MIT
// The lesson's groups: each group's best attempt, ties to the later one, the teacher's flights a
// group of their own; and students' logs merged into the lesson, none twice.
#include "flight/lesson_groups.h"
#include "flight/log_cells.h"
#include "flight/log_merge.h"
#include "flight/posture_shades.h"
#include "flight/quantities.h"
#include "log_fixture.h"
#include "workbook/flight_sheet.h"
#include "workbook/log_sheets.h"

#include <QTest>
#include <cmath>

using namespace purzo;
using purzo::test::Flown;

namespace {

// An exact flight at 6 m/s and `angle`, tucked from the third frame for six frames.
LoggedFlight FlightOf(const std::string& group, const std::string& angle) {
    LoggedFlight f;
    f.group = group;
    f.flownAt = "2026-12-10 10:" + angle;
    f.record = Flown("6", angle, Model::Exact, {1, 1, 5, 7, 7, 7, 7, 7, 1});
    f.summary = SummaryOf(f.record.params, f.record.model, f.record.frames);
    return f;
}

} // namespace

class LessonGroupsTest : public QObject {
    Q_OBJECT
private slots:
    void theBestAttemptIsUprightAndNearestToIt() {
        FlightLog log;
        // Search the angles for two upright landings with different attitudes and one that
        // is not upright: the test's facts come from the model, the rule is what is checked.
        std::vector<LoggedFlight> upright, other;
        for (int angle = 30; angle <= 80; ++angle) {
            LoggedFlight f = FlightOf("Delfine", std::to_string(angle));
            const auto& landing = f.summary.landing;
            (landing && landing->verdict == Verdict::Upright ? upright : other).push_back(f);
        }
        QVERIFY(upright.size() >= 2 && !other.empty());
        std::sort(upright.begin(), upright.end(), [](const auto& a, const auto& b) {
            return std::abs(a.summary.landing->attitudeDeg) <
                   std::abs(b.summary.landing->attitudeDeg);
        });
        log.append(other.front());      // 1: not upright
        log.append(upright.front());    // 2: the nearest to upright
        log.append(upright.back());     // 3: upright, further from it
        log.append(FlightOf("", "60")); // 4: the teacher's
        log.append(other.front());      // 5: another group's failure
        const std::vector<GroupAttempts> groups = GroupsOf(log);
        QCOMPARE(groups.size(), std::size_t(2));
        QCOMPARE(groups[0].group, std::string("Delfine"));
        QCOMPARE(groups[0].attempts, 4);
        QCOMPARE(groups[0].best, 2);
        QCOMPARE(groups[1].group, std::string());
        QVERIFY(IsBestAttempt(log, 2));
        QVERIFY(!IsBestAttempt(log, 3));
        // The same attempt again later: the later one is the best.
        log.append(upright.front());
        QCOMPARE(GroupsOf(log)[0].best, 6);
        QCOMPARE(GroupNames(log), std::vector<std::string>{"Delfine"});
    }

    void aGroupWithoutAnUprightLandingHasNoBest() {
        FlightLog log;
        log.append(FlightOf("Haie", "30"));
        log.append(FlightOf("Haie", "30"));
        for (const LoggedFlight& f : log.flights()) {
            QVERIFY(!f.summary.landing || f.summary.landing->verdict != Verdict::Upright);
        }
        QCOMPARE(GroupsOf(log).front().best, 0);
    }

    // Three students' logs, one flight in two of them: merged once, numbered after the lesson's.
    // The hand-in printed one page wide on A4 across at 9 pt and more: LibreOffice fits the
    // sheet by shrinking it, so the columns' widths together stay within about 160 characters
    // (at 11 pt a character takes some 5.9 pt with its share of the cells' padding, and the
    // page less its narrow margins has 799 pt), whatever long names the groups type.
    void theHandInFitsItsPageAtNinePoints_data() {
        QTest::addColumn<QString>("group");
        QTest::newRow("short") << QStringLiteral("Delfine");
        QTest::newRow("200 characters") << QString(200, QLatin1Char('x'));
        QTest::newRow("many words") << QStringLiteral("Tom und Ana und Lea und Max aus der 4b");
    }
    void theHandInFitsItsPageAtNinePoints() {
        QFETCH(QString, group);
        FlightLog log;
        log.title = std::string(120, 'T');
        log.append(FlightOf(group.toStdString(), "70"));
        log.append(FlightOf("", "45"));
        for (const WorkbookLanguage language :
             {WorkbookLanguage::German, WorkbookLanguage::English}) {
            const LogWorkbookContent book = LogWorkbookFor(log, language, "2026-12-10");
            for (const FlightSheet& sheet : book.sheets) {
                double width = 0;
                for (const SheetColumn& column : sheet.columns) {
                    width += column.width;
                }
                QVERIFY2(width <= 160, qPrintable(QString::fromStdString(sheet.name) +
                                                  QStringLiteral(": %1").arg(width)));
            }
            // Nothing cut: the log's header on more lines, and the group's row high enough for
            // its name however it breaks (a single long word too, by characters).
            const FlightSheet& table = book.sheets[1];
            const auto heightOf = [&table](int row) {
                for (const FlightSheet::RowHeight& r : table.rowHeights) {
                    if (r.row == row) {
                        return r.points;
                    }
                }
                return 15.0; // one line
            };
            QVERIFY(heightOf(table.repeatedRow) >= 2 * 15);
            double groupWidth = 0;
            for (const SheetColumn& c : table.columns) {
                groupWidth = c.column == 1 ? c.width : groupWidth;
            }
            const double needed = std::ceil(double(group.size()) / groupWidth);
            QVERIFY2(heightOf(table.firstFrameRow) >= needed * 15,
                     qPrintable(QStringLiteral("%1 pt for %2 lines")
                                    .arg(heightOf(table.firstFrameRow))
                                    .arg(needed)));
        }
    }

    // A planned flight's prediction stands beside its result, with how far the rotation was off;
    // a flight by hand leaves both empty. The sheet still prints one page wide at 9 pt.
    void thePredictionStandsBesideTheResult() {
        FlightLog log;
        LoggedFlight planned = FlightOf("Delfine", "70");
        planned.record.plan = TuckPlan{3, 6, 7};
        planned.record.prediction = Prediction{Verdict::Upright, 360};
        log.append(planned);
        log.append(FlightOf("Robben", "60"));
        for (const WorkbookLanguage language :
             {WorkbookLanguage::German, WorkbookLanguage::English}) {
            const LogWorkbookContent book = LogWorkbookFor(log, language, "2026-12-10");
            const FlightSheet& table = book.sheets[1];
            const auto cellAt = [&table](int row, const std::string& header) -> const SheetCell* {
                for (const SheetCell& h : table.cells) {
                    if (h.row == table.repeatedRow && h.text == header) {
                        for (const SheetCell& c : table.cells) {
                            if (c.row == row && c.column == h.column) {
                                return &c;
                            }
                        }
                    }
                }
                return nullptr;
            };
            const int first = table.firstFrameRow;
            const SheetCell* off = cellAt(first, ShortHeaderOf(Quantity::PredictionOff, language));
            const SheetCell* said = cellAt(first, ShortHeaderOf(Quantity::Prediction, language));
            QVERIFY(off && off->isNumber && said);
            QCOMPARE(off->number, planned.summary.rotationDeg - 360);
            QCOMPARE(QString::fromStdString(said->text), language == WorkbookLanguage::English
                                                             ? QStringLiteral("upright, 360°")
                                                             : QStringLiteral("aufrecht, 360°"));
            QVERIFY(!cellAt(first + 1, ShortHeaderOf(Quantity::PredictionOff, language)));
            double width = 0;
            for (const SheetColumn& column : table.columns) {
                width += column.width;
            }
            QVERIFY2(width <= 160, qPrintable(QString::number(width)));
        }
        // On the board, one row: the prediction and how far it was off, signed.
        const double off = planned.summary.rotationDeg - 360;
        const QString board = QString::fromStdString(
            ComparisonCellOf(planned, Quantity::Prediction, TextLanguage::German).text);
        QCOMPARE(board, QStringLiteral("aufrecht, 360° (%1%2°)")
                            .arg(off > 0 ? "+" : "")
                            .arg(QString::number(off, 'f', 1).replace('.', ',')));
        QVERIFY(
            ComparisonCellOf(log.flights()[1], Quantity::Prediction, TextLanguage::German).empty());
    }

    // Each flight's sheet shades its chosen postures as the log's strip does: one fill per frame
    // in the posture column, the tucked frames darker than the stretched ones.
    void theFlightSheetShadesItsPostures() {
        const LoggedFlight f = FlightOf("Delfine", "70");
        const FlightSheet sheet = FlightSheetFor(f.record, WorkbookLanguage::German, "Delfine");
        QCOMPARE(sheet.fills.size(), f.record.frames.size());
        const auto grey = [](std::uint32_t argb) {
            return (argb >> 16 & 0xff) * 3 + (argb >> 8 & 0xff) * 6 + (argb & 0xff);
        };
        for (std::size_t i = 0; i < sheet.fills.size(); ++i) {
            const FlightSheet::Fill& fill = sheet.fills[i];
            QCOMPARE(fill.row, sheet.firstFrameRow + int(i));
            const int chosen = f.record.frames[i].posture;
            QCOMPARE(fill.argb, PostureShade(chosen));
            const auto posture =
                std::find_if(sheet.cells.begin(), sheet.cells.end(), [&](const SheetCell& c) {
                    return c.row == fill.row && c.column == fill.column;
                });
            QVERIFY(posture != sheet.cells.end() && posture->number == chosen);
        }
        QVERIFY(grey(PostureShade(7)) < grey(PostureShade(5)));
        QVERIFY(grey(PostureShade(5)) < grey(PostureShade(1)));
    }

    void studentsLogsMergeWithoutTwins() {
        FlightLog lesson;
        lesson.append(FlightOf("", "60"));
        FlightLog anna, ben;
        anna.append(FlightOf("Anna", "50"));
        anna.append(FlightOf("Anna", "55"));
        ben.append(FlightOf("Ben", "45"));
        ben.append(FlightOf("Anna", "55")); // Anna's flight, handed in by Ben too
        QCOMPARE(MergeLogInto(lesson, anna).added, 2);
        const MergeReport second = MergeLogInto(lesson, ben);
        QCOMPARE(second.added, 1);
        QCOMPARE(second.alreadyThere, 1);
        QCOMPARE(lesson.flights().size(), std::size_t(4));
        QCOMPARE(lesson.flights().back().number, 4);
        QCOMPARE(lesson.flights().back().group, std::string("Ben"));
        QCOMPARE(MergeLogInto(lesson, anna).added, 0);
    }
};

QTEST_GUILESS_MAIN(LessonGroupsTest)
#include "test_lesson_groups.moc"
