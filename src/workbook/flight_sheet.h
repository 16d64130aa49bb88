// SPDX-License-Identifier: MIT
// The flight sheet of the spreadsheet as plain data: its cells, its columns and its texts in the
// workbook's two languages. The desktop writes it with libxlsxwriter, the page with a library of
// its own, so that both spreadsheets hold the same sheet.
#pragma once

#include "flight/flight_record.h"
#include "flight/text_language.h"

#include <cstdint>
#include <optional>
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
    bool wrap = false;     // long texts on more lines rather than a wider column
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
    int repeatedRow = -1; // printed atop every page: the table's header; -1 for none
    struct RowHeight {
        int row = 0;
        double points = 0;
    };
    std::vector<RowHeight> rowHeights; // rows of wrapped texts, as many lines high as they need
    // Cells filled with a colour: the chosen postures shaded as a strip down their column.
    struct Fill {
        int row = 0;
        int column = 0;
        std::uint32_t argb = 0;
    };
    std::vector<Fill> fills;
};

// A line of a chart: the time column and a value column of a sheet's frame rows.
struct ChartSeries {
    std::string sheet;
    std::string name;
    int firstRow = 0, lastRow = 0;
    int timeColumn = 0, valueColumn = 0;
};

struct ChartDesign {
    std::string title;
    std::string xAxis;
    std::string yAxis;
    std::vector<ChartSeries> series;
    bool legend = false;
};

// `group`, where given, is who flew it: a lesson's hand-in names it on every flight's sheet.
FlightSheet FlightSheetFor(const FlightRecord& record, WorkbookLanguage language,
                           const std::optional<std::string>& group = std::nullopt);

// "Name / Gruppe", and the name that stands for the teacher's flights: "Lehrkraft".
const char* GroupHeader(WorkbookLanguage language);
const char* TeacherName(WorkbookLanguage language);

} // namespace purzo
