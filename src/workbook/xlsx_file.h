// SPDX-License-Identifier: MIT
// An .xlsx being written through libxlsxwriter: sheets from plain sheet data, scatter charts
// over their rows, and the file put in place whole or not at all. libxlsxwriter writes to a file
// name only, so the workbook goes to a temporary name beside the target, is flushed to the disk
// and renamed.
#pragma once

#include "flight/whole_file.h"
#include "workbook/flight_sheet.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace purzo {

class XlsxFile {
public:
    explicit XlsxFile(const std::string& path);
    ~XlsxFile();
    XlsxFile(const XlsxFile&) = delete;
    XlsxFile& operator=(const XlsxFile&) = delete;

    // Why the workbook cannot be written at all (a folder or a device in the target's place, a
    // temporary file that cannot be made); nothing where it can.
    std::optional<FileFailure> failure() const { return failure_; }
    // A sheet with the cells and the columns of `sheet`, printed as wide as a page.
    void addSheet(const FlightSheet& sheet);
    // A landscape sheet of charts, one below the other, printed on one page.
    void addChartSheet(const std::string& name, const std::vector<ChartDesign>& charts);
    // Closes the workbook and puts it in place; the reason when that fails.
    std::optional<FileFailure> finish();

private:
    // The format of a cell the sheet fills with a colour; none for the others.
    lxw_format* fillFormat(const FlightSheet& content, int row, int column);
    std::string path_;
    std::string temporary_;
    std::optional<FileFailure> failure_;
    lxw_workbook* book_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* decimals_ = nullptr;
    lxw_format* wrap_ = nullptr;                 // a column's texts on more lines
    lxw_format* boldWrap_ = nullptr;             // the header of the printed table, on more lines
    std::map<std::uint32_t, lxw_format*> fills_; // by the colour they fill with
};

} // namespace purzo
