// SPDX-License-Identifier: MIT
// The flight's sheet and its two charts.
#include "workbook/flight_workbook.h"

#include "flight/quantities.h"
#include "workbook/xlsx_file.h"

#include <tuple>

namespace purzo {

std::optional<FileFailure> WriteFlightWorkbook(const std::string& path, const FlightRecord& record,
                                               WorkbookLanguage language) {
    XlsxFile file(path);
    if (auto failure = file.failure()) {
        return failure;
    }
    const FlightSheet content = FlightSheetFor(record, language);
    file.addSheet(content);
    std::vector<ChartDesign> charts;
    for (const auto& [title, quantity, column] :
         {std::tuple{WorkbookText::HeightOverTime, Quantity::Height, content.heightColumn},
          std::tuple{WorkbookText::RotationOverTime, Quantity::Rotation, content.rotationColumn}}) {
        const std::string header = HeaderOf(quantity, language);
        charts.push_back({TextOf(title, language),
                          HeaderOf(Quantity::Time, language),
                          header,
                          {{content.name, header, content.firstFrameRow, content.lastFrameRow,
                            content.timeColumn, column}},
                          false});
    }
    file.addChartSheet(TextOf(WorkbookText::ChartSheet, language), charts);
    return file.finish();
}

} // namespace purzo
