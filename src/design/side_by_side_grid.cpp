// SPDX-License-Identifier: MIT
#include "design/side_by_side_grid.h"

#include <algorithm>

namespace purzo {
namespace {

constexpr int kMostColumns = 3, kMostRows = 3;

} // namespace

SideBySideGrid SideBySideGridFor(double widthPx, double heightPx, int flights, double scale,
                                 double viewAspect) {
    SideBySideGrid grid;
    flights = std::clamp(flights, 0, kMostSideBySideCells);
    if (flights == 0 || widthPx <= 0 || heightPx <= 0 || !(viewAspect > 0)) {
        return grid;
    }
    const double gap = kSideBySideGapPx * std::max(0.0, scale);
    auto cellWidth = [&](int columns) { return (widthPx - gap * (columns - 1)) / columns; };
    auto cellHeight = [&](int rows) { return (heightPx - gap * (rows - 1)) / rows; };
    // The view's height as it fits into a cell of the grid.
    auto viewHeight = [&](int columns, int rows) {
        return std::min(cellWidth(columns) / viewAspect, cellHeight(rows));
    };
    // The table wants a cell of its own; nine flights fill the grid and leave it none.
    const int cells = std::min(flights + 1, kMostSideBySideCells);
    double best = -1;
    for (int rows = 1; rows <= kMostRows; ++rows) {
        for (int columns = 1; columns <= kMostColumns; ++columns) {
            if (columns * rows >= cells && viewHeight(columns, rows) > best) {
                best = viewHeight(columns, rows);
                grid.columns = columns;
                grid.rows = rows;
            }
        }
    }
    // Each cell as large as the view it shows, the grid centred in the area.
    const double w = std::min(cellWidth(grid.columns), cellHeight(grid.rows) * viewAspect);
    const double h = w / viewAspect;
    const double gridWidth = grid.columns * w + (grid.columns - 1) * gap;
    const double left = (widthPx - gridWidth) / 2;
    const double top = (heightPx - (grid.rows * h + (grid.rows - 1) * gap)) / 2;
    auto cellAt = [&](int index) {
        const int column = index % grid.columns, row = index / grid.columns;
        return GridRect{left + column * (w + gap), top + row * (h + gap), w, h};
    };
    for (int i = 0; i < flights; ++i) {
        grid.cells.push_back(cellAt(i));
    }
    grid.markFactor = std::clamp(w / widthPx, 0.75, 1.0);
    if (flights < grid.columns * grid.rows) {
        GridRect table = cellAt(flights);
        table.width = left + gridWidth - table.x;
        grid.table = table;
    }
    return grid;
}

} // namespace purzo
