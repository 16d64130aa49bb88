// SPDX-License-Identifier: MIT
// An .xlsx being written through libxlsxwriter: sheets from plain sheet data, scatter charts
// over their rows, and the file put in place whole or not at all. libxlsxwriter writes to a file
// name only, so the workbook goes to a temporary name beside the target and is renamed.
#pragma once

#include "workbook/flight_sheet.h"

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

    bool opened() const { return book_ != nullptr; }
    // A sheet with the cells and the columns of `sheet`, printed as wide as a page.
    void addSheet(const FlightSheet& sheet);
    // A landscape sheet of charts, one below the other, printed on one page.
    void addChartSheet(const std::string& name, const std::vector<ChartDesign>& charts);
    // Closes the workbook and puts it in place; the reason when that fails.
    std::optional<std::string> finish();

private:
    std::string path_;
    std::string temporary_;
    lxw_workbook* book_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* decimals_ = nullptr;
};

} // namespace purzo
