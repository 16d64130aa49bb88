// SPDX-License-Identifier: MIT
// The log's sheets put down by libxlsxwriter.
#include "workbook/log_workbook.h"

#include "workbook/log_sheets.h"
#include "workbook/xlsx_file.h"

namespace purzo {

std::optional<FileFailure> WriteLogWorkbook(const std::string& path, const FlightLog& log,
                                            WorkbookLanguage language, const std::string& date) {
    XlsxFile file(path);
    if (auto failure = file.failure()) {
        return failure;
    }
    const LogWorkbookContent content = LogWorkbookFor(log, language, date);
    for (const FlightSheet& sheet : content.sheets) {
        file.addSheet(sheet);
    }
    file.addChartSheet(content.chartSheet, content.charts);
    return file.finish();
}

} // namespace purzo
