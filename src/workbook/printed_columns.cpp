// SPDX-License-Identifier: MIT
#include "workbook/printed_columns.h"

#include "flight/number_text.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

namespace purzo {
namespace {

// Characters as a sheet's column counts them: an umlaut or a degree sign is one.
double CharactersIn(std::string_view text) {
    return double(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    }));
}

std::vector<std::string_view> WordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t space = std::min(text.find(' ', from), text.size());
        if (space > from) {
            words.push_back(text.substr(from, space - from));
        }
        from = space + 1;
    }
    return words;
}

double LongestWord(std::string_view text) {
    double longest = 0;
    for (const std::string_view word : WordsOf(text)) {
        longest = std::max(longest, CharactersIn(word));
    }
    return longest;
}

// The lines a text takes in a column `width` characters wide, word by word; a word wider than
// the column breaks where the column ends, as the spreadsheet breaks it.
int LinesIn(std::string_view text, double width) {
    width = std::max(width, 1.0);
    int lines = 1;
    double used = 0;
    for (const std::string_view word : WordsOf(text)) {
        double w = CharactersIn(word);
        if (used > 0 && used + 1 + w > width) {
            ++lines;
            used = 0;
        }
        for (; used + w > width && w > width; w -= width - used, used = 0) {
            ++lines; // the rest of a long word on the next line
        }
        used += (used > 0 ? 1 : 0) + w;
    }
    return lines;
}

// Each column of the table as wide as its widest value, its header's longest word (bold, so a
// little wider) and, where it wraps, no wider than a few words; each row of wrapped texts as
// high as its lines.
} // namespace

void FitColumnsForPrint(FlightSheet& sheet) {
    constexpr double kLeast = 4, kMostWrapped = 10, kBold = 1.2, kLinePt = 15;
    std::map<int, const SheetColumn*> byIndex;
    for (SheetColumn& column : sheet.columns) {
        double width = kLeast;
        for (const SheetCell& cell : sheet.cells) {
            if (cell.column != column.column) {
                continue;
            }
            if (cell.bold && cell.row != sheet.repeatedRow) { // a label above the table
                width = std::max(width, CharactersIn(cell.text) * kBold);
            } else if (cell.row == sheet.repeatedRow) {
                width = std::max(width, LongestWord(cell.text) * kBold);
            } else if (cell.isNumber) {
                width = std::max(
                    width, CharactersIn(FixedText(cell.number, column.decimals ? 3 : 0, '.')));
            } else {
                width =
                    std::max(width, column.wrap ? std::min(CharactersIn(cell.text), kMostWrapped)
                                                : CharactersIn(cell.text));
            }
        }
        column.width = width;
        byIndex[column.column] = &column;
    }
    std::map<int, int> lines;
    for (const SheetCell& cell : sheet.cells) {
        const auto column = byIndex.find(cell.column);
        const bool header = cell.row == sheet.repeatedRow && cell.bold;
        if (cell.isNumber || column == byIndex.end() || (!header && !column->second->wrap)) {
            continue;
        }
        const int n = LinesIn(cell.text, column->second->width / (header ? kBold : 1));
        lines[cell.row] = std::max(lines[cell.row], n);
    }
    for (const auto& [row, n] : lines) {
        if (n > 1) {
            sheet.rowHeights.push_back({row, n * kLinePt});
        }
    }
}

} // namespace purzo
