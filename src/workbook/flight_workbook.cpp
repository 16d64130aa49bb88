// SPDX-License-Identifier: MIT
// libxlsxwriter writes to a file name only; the workbook goes to a temporary name beside the
// target and is renamed into place once it is whole.
#include "workbook/flight_workbook.h"

#include "flight/quantities.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <xlsxwriter.h>

namespace purzo {
namespace {

std::string TemporaryNameBeside(const std::filesystem::path& target) {
    std::random_device entropy;
    std::string name = ".";
    name.append(target.filename().string());
    name.append(".");
    name.append(std::to_string(entropy()));
    name.append(".tmp");
    return (target.parent_path() / name).string();
}

} // namespace

std::optional<std::string> WriteFlightWorkbook(const std::string& path, const FlightRecord& record,
                                               WorkbookLanguage language) {
    auto text = [language](WorkbookText t) { return TextOf(t, language); };
    const FlightSheet content = FlightSheetFor(record, language);
    const std::string temporary = TemporaryNameBeside(path);

    lxw_workbook* workbook = workbook_new(temporary.c_str());
    if (!workbook) {
        return "the file cannot be created";
    }
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    // Shown to three decimals; the cells hold the model's full numbers.
    lxw_format* decimals = workbook_add_format(workbook);
    format_set_num_format(decimals, "0.000");
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, content.name.c_str());
    lxw_worksheet* charts = workbook_add_worksheet(workbook, text(WorkbookText::ChartSheet));
    // Printed for a worksheet: the frames as wide as a page, the charts on one page.
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_set_landscape(charts);
    worksheet_fit_to_pages(charts, 1, 1);

    for (const SheetCell& cell : content.cells) {
        if (cell.isNumber) {
            worksheet_write_number(sheet, lxw_row_t(cell.row), lxw_col_t(cell.column), cell.number,
                                   nullptr);
        } else {
            worksheet_write_string(sheet, lxw_row_t(cell.row), lxw_col_t(cell.column),
                                   cell.text.c_str(), cell.bold ? bold : nullptr);
        }
    }
    for (const SheetColumn& column : content.columns) {
        worksheet_set_column(sheet, lxw_col_t(column.column), lxw_col_t(column.column),
                             column.width, column.decimals ? decimals : nullptr);
    }

    // Scatter charts with straight lines: the touchdown's time is not evenly spaced.
    const auto firstRow = lxw_row_t(content.firstFrameRow);
    const auto lastRow = lxw_row_t(content.lastFrameRow);
    const auto timeColumn = lxw_col_t(content.timeColumn);
    const std::pair<WorkbookText, lxw_col_t> plotted[] = {
        {WorkbookText::HeightOverTime, lxw_col_t(content.heightColumn)},
        {WorkbookText::RotationOverTime, lxw_col_t(content.rotationColumn)}};
    const std::string timeHeader = HeaderOf(Quantity::Time, language);
    lxw_row_t place = 1;
    for (const auto& [title, column] : plotted) {
        lxw_chart* chart = workbook_add_chart(workbook, LXW_CHART_SCATTER_STRAIGHT);
        lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
        const std::string quantity =
            HeaderOf(title == WorkbookText::HeightOverTime ? Quantity::Height : Quantity::Rotation,
                     language);
        chart_series_set_categories(series, content.name.c_str(), firstRow, timeColumn, lastRow,
                                    timeColumn);
        chart_series_set_values(series, content.name.c_str(), firstRow, column, lastRow, column);
        chart_series_set_name(series, quantity.c_str());
        chart_title_set_name(chart, text(title));
        chart_axis_set_name(chart->x_axis, timeHeader.c_str());
        chart_axis_set_name(chart->y_axis, quantity.c_str());
        chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
        lxw_chart_options options{};
        options.x_scale = 1.25;
        options.y_scale = 1.25;
        worksheet_insert_chart_opt(charts, place, 0, chart, &options);
        place += 21;
    }

    const lxw_error error = workbook_close(workbook);
    std::error_code ec;
    if (error != LXW_NO_ERROR) {
        std::filesystem::remove(temporary, ec);
        return lxw_strerror(error);
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return ec.message();
    }
    return std::nullopt;
}

} // namespace purzo
