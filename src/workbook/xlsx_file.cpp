// SPDX-License-Identifier: MIT
// The writing of sheets and charts through libxlsxwriter.
#include "workbook/xlsx_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <xlsxwriter.h>

namespace purzo {
namespace {

constexpr std::uint8_t kPaperA4 = 9; // libxlsxwriter's (and Excel's) paper index
// Narrow margins, inches: the log's twenty columns fit the page's width at 9 pt and more.
constexpr double kSideMarginIn = 0.3, kEndMarginIn = 0.6;

} // namespace
XlsxFile::XlsxFile(const std::string& path) : path_(path), temporary_(TemporaryNameBeside(path)) {
    failure_ = CheckSaveTarget(path);
    if (failure_) {
        return;
    }
    errno = 0;
    book_ = workbook_new(temporary_.c_str());
    if (!book_) {
        failure_ = FileFailure{FileStep::Create, errno ? errno : EIO};
        return;
    }
    bold_ = workbook_add_format(book_);
    format_set_bold(bold_);
    wrap_ = workbook_add_format(book_);
    format_set_text_wrap(wrap_);
    boldWrap_ = workbook_add_format(book_);
    format_set_bold(boldWrap_);
    format_set_text_wrap(boldWrap_);
    format_set_align(boldWrap_, LXW_ALIGN_VERTICAL_BOTTOM);
    // Shown to three decimals; the cells hold the model's full numbers.
    decimals_ = workbook_add_format(book_);
    format_set_num_format(decimals_, "0.000");
}

XlsxFile::~XlsxFile() {
    if (book_) {
        finish();
    }
}

void XlsxFile::addSheet(const FlightSheet& content) {
    lxw_worksheet* sheet = workbook_add_worksheet(book_, content.name.c_str());
    // Printed for the class: A4 landscape, one page wide, the table's header on every page.
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, kPaperA4);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_set_margins(sheet, kSideMarginIn, kSideMarginIn, kEndMarginIn, kEndMarginIn);
    if (content.repeatedRow >= 0) {
        worksheet_repeat_rows(sheet, lxw_row_t(content.repeatedRow),
                              lxw_row_t(content.repeatedRow));
    }
    for (const SheetCell& cell : content.cells) {
        if (cell.isNumber) {
            worksheet_write_number(sheet, lxw_row_t(cell.row), lxw_col_t(cell.column), cell.number,
                                   fillFormat(content, cell.row, cell.column));
        } else {
            // The printed table's header, and texts in wrapping columns, on as many lines as
            // their words need.
            const bool header = cell.bold && cell.row == content.repeatedRow;
            const bool wraps = std::any_of(
                content.columns.begin(), content.columns.end(),
                [&cell](const SheetColumn& c) { return c.column == cell.column && c.wrap; });
            worksheet_write_string(sheet, lxw_row_t(cell.row), lxw_col_t(cell.column),
                                   cell.text.c_str(),
                                   header      ? boldWrap_
                                   : cell.bold ? bold_
                                   : wraps     ? wrap_
                                               : nullptr);
        }
    }
    for (const FlightSheet::RowHeight& r : content.rowHeights) {
        worksheet_set_row(sheet, lxw_row_t(r.row), r.points, nullptr);
    }
    for (const SheetColumn& column : content.columns) {
        worksheet_set_column(sheet, lxw_col_t(column.column), lxw_col_t(column.column),
                             column.width,
                             column.decimals ? decimals_
                             : column.wrap   ? wrap_
                                             : nullptr);
    }
}

lxw_format* XlsxFile::fillFormat(const FlightSheet& content, int row, int column) {
    const auto fill =
        std::find_if(content.fills.begin(), content.fills.end(), [&](const FlightSheet::Fill& f) {
            return f.row == row && f.column == column;
        });
    if (fill == content.fills.end()) {
        return nullptr;
    }
    lxw_format*& format = fills_[fill->argb];
    if (!format) {
        format = workbook_add_format(book_);
        format_set_bg_color(format, lxw_color_t(fill->argb & 0xffffff));
        format_set_pattern(format, LXW_PATTERN_SOLID);
        // Dark shades carry white figures.
        const int grey = int((fill->argb >> 16 & 0xff) * 3 + (fill->argb >> 8 & 0xff) * 6 +
                             (fill->argb & 0xff)) /
                         10;
        format_set_font_color(format, grey < 110 ? LXW_COLOR_WHITE : LXW_COLOR_BLACK);
    }
    return format;
}

void XlsxFile::addChartSheet(const std::string& name, const std::vector<ChartDesign>& charts) {
    lxw_worksheet* sheet = workbook_add_worksheet(book_, name.c_str());
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, kPaperA4);
    worksheet_fit_to_pages(sheet, 1, 1);
    lxw_row_t place = 1;
    for (const ChartDesign& design : charts) {
        // Scatter charts with straight lines: the touchdown's time is not evenly spaced.
        lxw_chart* chart = workbook_add_chart(book_, LXW_CHART_SCATTER_STRAIGHT);
        for (const ChartSeries& s : design.series) {
            lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
            chart_series_set_categories(series, s.sheet.c_str(), lxw_row_t(s.firstRow),
                                        lxw_col_t(s.timeColumn), lxw_row_t(s.lastRow),
                                        lxw_col_t(s.timeColumn));
            chart_series_set_values(series, s.sheet.c_str(), lxw_row_t(s.firstRow),
                                    lxw_col_t(s.valueColumn), lxw_row_t(s.lastRow),
                                    lxw_col_t(s.valueColumn));
            chart_series_set_name(series, s.name.c_str());
        }
        chart_title_set_name(chart, design.title.c_str());
        chart_axis_set_name(chart->x_axis, design.xAxis.c_str());
        chart_axis_set_name(chart->y_axis, design.yAxis.c_str());
        chart_legend_set_position(chart,
                                  design.legend ? LXW_CHART_LEGEND_RIGHT : LXW_CHART_LEGEND_NONE);
        lxw_chart_options options{};
        options.x_scale = 1.25;
        options.y_scale = 1.25;
        worksheet_insert_chart_opt(sheet, place, 0, chart, &options);
        place += 21;
    }
}

std::optional<FileFailure> XlsxFile::finish() {
    if (!book_) {
        return failure_;
    }
    errno = 0;
    const lxw_error error = workbook_close(book_);
    book_ = nullptr;
    if (error != LXW_NO_ERROR) {
        // libxlsxwriter's own codes say which step failed; errno says why (a full disk).
        failure_ = FileFailure{FileStep::Write, errno ? errno : EIO};
        std::remove(temporary_.c_str());
        return failure_;
    }
    failure_ = PlaceWrittenFile(temporary_, path_);
    return failure_;
}

} // namespace purzo
