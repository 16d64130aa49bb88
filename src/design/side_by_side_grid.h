// SPDX-License-Identifier: MIT
// "Nebeneinander": each compared flight in its own small canvas of a grid of up to 3 × 3, and
// the comparison's table in the cells the flights leave free, for attempts whose paths lie on
// one another. Both front ends lay the grid out by this one rule.
#pragma once

#include <optional>
#include <vector>

namespace purzo {

inline constexpr int kMostSideBySideCells = 9;  // 3 × 3
inline constexpr double kSideBySideGapPx = 4.0; // between the cells, at scale 1

struct GridRect {
    double x = 0, y = 0, width = 0, height = 0;
};

struct SideBySideGrid {
    int columns = 0, rows = 0;
    std::vector<GridRect> cells;   // one per flight, row by row
    std::optional<GridRect> table; // the free cells to the end of the last row, if any
    // Pens, markers and labels in the cells this much of the canvas's: smaller with the cells,
    // but not so small that they stop reading.
    double markFactor = 1.0;
};

// `flights` cells over an area `widthPx` × `heightPx` at `scale`, and one more for the table:
// of the grids up to 3 × 3, the one that shows a view `viewAspect` wide per unit of height
// largest, each cell of the view's shape and the grid centred. The flights beyond nine are left
// out.
SideBySideGrid SideBySideGridFor(double widthPx, double heightPx, int flights, double scale,
                                 double viewAspect);

} // namespace purzo
