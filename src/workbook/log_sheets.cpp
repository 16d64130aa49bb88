// SPDX-License-Identifier: MIT
// The log's sheets from the log's cells and each flight's own sheet.
#include "workbook/log_sheets.h"

#include "flight/lesson_groups.h"
#include "flight/log_cells.h"
#include "flight/quantities.h"
#include "workbook/printed_columns.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string_view>

namespace purzo {
namespace {

constexpr int kHeaderRow = 3;

const char* Text(TextLanguage language, const char* german, const char* english) {
    return language == TextLanguage::English ? english : german;
}

// The first sheet of the hand-in: a row per group, its attempts and its best one.
FlightSheet GroupsSheet(const FlightLog& log, WorkbookLanguage language,
                        const std::string& lessonTitle, const std::string& day) {
    FlightSheet sheet;
    sheet.name = Text(language, "Gruppen", "Groups");
    auto label = [&sheet](int row, int column, const std::string& text, bool bold) {
        sheet.cells.push_back({row, column, text, 0, false, bold});
    };
    label(0, 0, Text(language, "Stunde", "Lesson"), true);
    label(0, 1, lessonTitle, false);
    label(1, 0, Text(language, "Datum", "Date"), true);
    label(1, 1, day, false);
    const Quantity best[] = {Quantity::TuckStart, Quantity::Tucked, Quantity::Rotation,
                             Quantity::Attitude, Quantity::Verdict};
    label(kHeaderRow, 0, GroupHeader(language), true);
    label(kHeaderRow, 1, Text(language, "Versuche", "Attempts"), true);
    label(kHeaderRow, 2, Text(language, "Bester Versuch (Nr.)", "Best attempt (no.)"), true);
    sheet.columns = {{0, 24, false}, {1, 10, false}, {2, 20, false}};
    for (std::size_t c = 0; c < std::size(best); ++c) {
        const std::string header = HeaderOf(best[c], language);
        label(kHeaderRow, int(c) + 3, header, true);
        sheet.columns.push_back({int(c) + 3, std::max<double>(12, double(header.size()) * 1.05),
                                 InfoOf(best[c]).decimals >= 0});
    }
    int row = kHeaderRow + 1;
    for (const GroupAttempts& g : GroupsOf(log)) {
        label(row, 0, g.group.empty() ? TeacherName(language) : g.group, false);
        sheet.cells.push_back({row, 1, {}, double(g.attempts), true, false});
        if (const LoggedFlight* f = log.find(g.best)) {
            sheet.cells.push_back({row, 2, {}, double(g.best), true, false});
            for (std::size_t c = 0; c < std::size(best); ++c) {
                const LogCell cell = LogCellOf(*f, best[c], language);
                if (cell.number) {
                    sheet.cells.push_back({row, int(c) + 3, {}, *cell.number, true, false});
                } else {
                    label(row, int(c) + 3, cell.text, false);
                }
            }
        } else {
            label(row, 2, Text(language, "keiner aufrecht", "none upright"), false);
        }
        ++row;
    }
    sheet.firstFrameRow = kHeaderRow + 1;
    sheet.lastFrameRow = std::max(row - 1, kHeaderRow + 1);
    sheet.repeatedRow = kHeaderRow;
    return sheet;
}

// The log's columns as printed: those some flight has a value in (an empty log prints them
// all), the chosen postures and the plan left to each flight's own sheet, so that the table
// stays one page wide at 9 pt.
std::vector<Quantity> PrintedColumns(const FlightLog& log, TextLanguage language) {
    std::vector<Quantity> printed;
    for (const Quantity q : LogQuantities()) {
        if (q == Quantity::Postures || q == Quantity::Plan) {
            continue;
        }
        const bool filled =
            q == Quantity::Number || log.flights().empty() ||
            std::any_of(log.flights().begin(), log.flights().end(),
                        [&](const LoggedFlight& f) { return !LogCellOf(f, q, language).empty(); });
        if (filled) {
            printed.push_back(q);
        }
    }
    return printed;
}

} // namespace

LogWorkbookContent LogWorkbookFor(const FlightLog& log, WorkbookLanguage language,
                                  const std::string& date) {
    LogWorkbookContent out;
    FlightSheet sheet;
    sheet.name = Text(language, "Protokoll", "Log");
    auto label = [&sheet](int row, int column, const std::string& text, bool bold) {
        sheet.cells.push_back({row, column, text, 0, false, bold});
    };
    // The lesson as the hand-in names it: its title, or the day it was held.
    const std::string day = log.date.empty() ? date : log.date;
    const std::string lessonTitle =
        log.title.empty() ? Text(language, "Stunde ", "Lesson ") + day : log.title;
    out.sheets.push_back(GroupsSheet(log, language, lessonTitle, day));
    label(0, 0, Text(language, "Stunde", "Lesson"), true);
    label(0, 1, lessonTitle, false);
    label(1, 0, Text(language, "Datum", "Date"), true);
    label(1, 1, day, false);

    const std::vector<Quantity> columns = PrintedColumns(log, language);
    // The flight's number, then who flew it, then the quantities.
    label(kHeaderRow, 0, HeaderOf(Quantity::Number, language), true);
    label(kHeaderRow, 1, GroupHeader(language), true);
    // Short headers on more lines, and texts wrapped in the columns of words: twenty columns
    // printed one page wide at 9 pt and more.
    sheet.columns.push_back({0, 0, false, false});
    sheet.columns.push_back({1, 0, false, true});
    for (std::size_t c = 1; c < columns.size(); ++c) {
        label(kHeaderRow, int(c) + 1, ShortHeaderOf(columns[c], language), true);
        const int decimals = InfoOf(columns[c]).decimals;
        sheet.columns.push_back({int(c) + 1, 0, decimals >= 0, decimals < 0});
    }
    int row = kHeaderRow + 1;
    for (const LoggedFlight& f : log.flights()) {
        sheet.cells.push_back({row, 0, {}, double(f.number), true, false});
        label(row, 1, f.group.empty() ? TeacherName(language) : f.group, false);
        for (std::size_t c = 1; c < columns.size(); ++c) {
            const LogCell cell = LogCellOf(f, columns[c], language);
            if (cell.number) {
                sheet.cells.push_back({row, int(c) + 1, {}, *cell.number, true, false});
            } else if (!cell.text.empty()) {
                label(row, int(c) + 1, cell.text, false);
            }
        }
        ++row;
    }
    sheet.firstFrameRow = kHeaderRow + 1;
    sheet.repeatedRow = kHeaderRow;
    sheet.lastFrameRow = std::max(row - 1, kHeaderRow + 1);
    FitColumnsForPrint(sheet);
    out.sheets.push_back(std::move(sheet));

    // The charts draw the shown flights; with none shown, the last eight.
    std::vector<const LoggedFlight*> charted;
    for (const LoggedFlight& f : log.flights()) {
        if (f.shown) {
            charted.push_back(&f);
        }
    }
    if (charted.empty()) {
        const std::size_t from = log.flights().size() > FlightLog::kMostShown
                                     ? log.flights().size() - FlightLog::kMostShown
                                     : 0;
        for (std::size_t i = from; i < log.flights().size(); ++i) {
            charted.push_back(&log.flights()[i]);
        }
    }

    ChartDesign height{TextOf(WorkbookText::HeightOverTime, language),
                       HeaderOf(Quantity::Time, language),
                       HeaderOf(Quantity::Height, language),
                       {},
                       true};
    ChartDesign rotation{TextOf(WorkbookText::RotationOverTime, language),
                         HeaderOf(Quantity::Time, language),
                         HeaderOf(Quantity::Rotation, language),
                         {},
                         true};
    for (const LoggedFlight& f : log.flights()) {
        FlightSheet flight = FlightSheetFor(f.record, language, f.group);
        flight.name = std::string(Text(language, "Flug ", "Flight ")) + std::to_string(f.number);
        if (std::find(charted.begin(), charted.end(), &f) != charted.end()) {
            for (auto [chart, column] : {std::pair{&height, flight.heightColumn},
                                         std::pair{&rotation, flight.rotationColumn}}) {
                chart->series.push_back({flight.name, flight.name, flight.firstFrameRow,
                                         flight.lastFrameRow, flight.timeColumn, column});
            }
        }
        out.sheets.push_back(std::move(flight));
    }
    out.chartSheet = TextOf(WorkbookText::ChartSheet, language);
    out.charts = {height, rotation};
    return out;
}

} // namespace purzo
