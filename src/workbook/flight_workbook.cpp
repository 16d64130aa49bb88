// SPDX-License-Identifier: MIT
// libxlsxwriter writes to a file name only; the workbook goes to a temporary name beside the
// target and is renamed into place once it is whole.
#include "workbook/flight_workbook.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <xlsxwriter.h>

namespace purzo {
namespace {

// Every text of the workbook, German first.
enum Text {
    kFlightSheet,
    kChartSheet,
    kSpeed,
    kAngle,
    kModel,
    kPace,
    kClassic,
    kExact,
    kRealTime,
    kSlowMotion,
    kExtremeSlowMotion,
    kFrame,
    kTime,
    kDistance,
    kHeight,
    kRotation,
    kPosture,
    kOmega,
    kInertia,
    kMomentum,
    kHeightOverTime,
    kRotationOverTime,
    kTextCount
};
constexpr std::array<std::array<const char*, 2>, kTextCount> kTexts{{
    {"Flug", "Flight"},
    {"Diagramme", "Charts"},
    {"Absprunggeschwindigkeit (m/s)", "Take-off speed (m/s)"},
    {"Absprungwinkel (°)", "Take-off angle (°)"},
    {"Modell", "Model"},
    {"Wiedergabe", "Playback"},
    {"klassisch", "classic"},
    {"exakt", "exact"},
    {"Echtzeit", "Real time"},
    {"Zeitlupe", "Slow motion"},
    {"Extrem-Zeitlupe", "Extra slow motion"},
    {"Bild", "Frame"},
    {"Zeit (s)", "Time (s)"},
    {"Weite (m)", "Distance (m)"},
    {"Höhe des Schwerpunkts (m)", "Height of the centre of mass (m)"},
    {"Drehung (°)", "Rotation (°)"},
    {"Haltung", "Posture"},
    {"Winkelgeschwindigkeit (°/s)", "Angular velocity (°/s)"},
    {"Trägheitsmoment (kg·m²)", "Moment of inertia (kg·m²)"},
    {"Drehimpuls (kg·m²/s)", "Angular momentum (kg·m²/s)"},
    {"Höhe des Schwerpunkts über der Zeit", "Height of the centre of mass over time"},
    {"Drehung über der Zeit", "Rotation over time"},
}};

// Sheet rows, counted from 0 as libxlsxwriter counts them: the header in row 6, frames from 7.
constexpr lxw_row_t kHeaderRow = 5;
constexpr lxw_row_t kFirstFrameRow = 6;
constexpr lxw_col_t kTimeColumn = 1;
constexpr lxw_col_t kHeightColumn = 3;
constexpr lxw_col_t kRotationColumn = 4;

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
    const int l = language == WorkbookLanguage::English ? 1 : 0;
    auto text = [l](Text t) { return kTexts[std::size_t(t)][std::size_t(l)]; };
    const bool exact = record.model == Model::Exact;
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
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, text(kFlightSheet));
    lxw_worksheet* charts = workbook_add_worksheet(workbook, text(kChartSheet));
    // Printed for a worksheet: the frames as wide as a page, the charts on one page.
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_set_landscape(charts);
    worksheet_fit_to_pages(charts, 1, 1);

    worksheet_write_string(sheet, 0, 0, text(kSpeed), bold);
    worksheet_write_number(sheet, 0, 1, record.params.takeoffSpeed, nullptr);
    worksheet_write_string(sheet, 1, 0, text(kAngle), bold);
    worksheet_write_number(sheet, 1, 1, record.params.takeoffAngle, nullptr);
    worksheet_write_string(sheet, 2, 0, text(kModel), bold);
    worksheet_write_string(sheet, 2, 1, text(exact ? kExact : kClassic), nullptr);
    worksheet_write_string(sheet, 3, 0, text(kPace), bold);
    if (record.pace) {
        const Text pace = *record.pace == Pace::RealTime     ? kRealTime
                          : *record.pace == Pace::SlowMotion ? kSlowMotion
                                                             : kExtremeSlowMotion;
        worksheet_write_string(sheet, 3, 1, text(pace), nullptr);
    }

    std::vector<Text> headers{kFrame, kTime, kDistance, kHeight, kRotation, kPosture};
    if (exact) {
        headers.insert(headers.end(), {kOmega, kInertia, kMomentum});
    }
    for (std::size_t c = 0; c < headers.size(); ++c) {
        worksheet_write_string(sheet, kHeaderRow, lxw_col_t(c), text(headers[c]), bold);
    }
    worksheet_set_column(sheet, 0, 0, 30, nullptr);
    for (std::size_t c = 1; c < headers.size(); ++c) {
        // Wide enough for the header; German umlauts count twice in UTF-8, which is room enough.
        const double width = std::max<double>(12, std::strlen(text(headers[c])) * 0.8);
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), width,
                             headers[c] == kPosture ? nullptr : decimals);
    }

    lxw_row_t row = kFirstFrameRow;
    for (const FrameResult& f : record.frames) {
        std::vector<double> values{double(f.frame),  f.timeS,       f.flightX,
                                   CentreHeightM(f), f.rotationDeg, double(f.posture)};
        if (exact) {
            values.insert(values.end(), {f.omegaDegPerS, f.inertiaKgM2, f.angularMomentumKgM2PerS});
        }
        for (std::size_t c = 0; c < values.size(); ++c) {
            worksheet_write_number(sheet, row, lxw_col_t(c), values[c], nullptr);
        }
        ++row;
    }

    // Scatter charts with straight lines: the touchdown's time is not evenly spaced.
    const lxw_row_t lastRow = row > kFirstFrameRow ? row - 1 : kFirstFrameRow;
    const std::pair<Text, lxw_col_t> plotted[] = {{kHeightOverTime, kHeightColumn},
                                                  {kRotationOverTime, kRotationColumn}};
    lxw_row_t place = 1;
    for (const auto& [title, column] : plotted) {
        lxw_chart* chart = workbook_add_chart(workbook, LXW_CHART_SCATTER_STRAIGHT);
        lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
        chart_series_set_categories(series, text(kFlightSheet), kFirstFrameRow, kTimeColumn,
                                    lastRow, kTimeColumn);
        chart_series_set_values(series, text(kFlightSheet), kFirstFrameRow, column, lastRow,
                                column);
        chart_series_set_name(series, text(title == kHeightOverTime ? kHeight : kRotation));
        chart_title_set_name(chart, text(title));
        chart_axis_set_name(chart->x_axis, text(kTime));
        chart_axis_set_name(chart->y_axis, text(title == kHeightOverTime ? kHeight : kRotation));
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
