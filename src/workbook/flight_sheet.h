// SPDX-License-Identifier: MIT
// The flight sheet of the spreadsheet as plain data: its cells, its columns and its texts in the
// workbook's two languages. The desktop writes it with libxlsxwriter, the page with a library of
// its own, so that both spreadsheets hold the same sheet.
#pragma once

#include "flight/flight_record.h"
#include "flight/text_language.h"

#include <string>
#include <vector>

namespace purzo {

// The workbook's own two languages: the trace tool, which writes it too, has no Qt to
// translate with.
using WorkbookLanguage = TextLanguage;

// The workbook's texts beyond the quantities' names, German first.
enum class WorkbookText {
    FlightSheet,
    ChartSheet,
    HeightOverTime,
    RotationOverTime,
};
const char* TextOf(WorkbookText text, WorkbookLanguage language);

struct SheetCell {
    int row = 0; // from 0
    int column = 0;
    std::string text; // a text cell when isNumber is false
    double number = 0;
    bool isNumber = false;
    bool bold = false;
};

struct SheetColumn {
    int column = 0;
    double width = 0;      // in characters
    bool decimals = false; // shown to three decimals; the cells keep the full numbers
};

// The take-off above at the left, the tuck and the landing beside it, the header in row 5 and a
// row per frame from row 6 (from 0).
struct FlightSheet {
    std::string name;
    std::vector<SheetCell> cells;
    std::vector<SheetColumn> columns;
    int firstFrameRow = 0;
    int lastFrameRow = 0; // the first frame row when there is none
    int timeColumn = 0, heightColumn = 0, rotationColumn = 0;
};

FlightSheet FlightSheetFor(const FlightRecord& record, WorkbookLanguage language);

} // namespace purzo
