// SPDX-License-Identifier: MIT
// The data panel's box: its size, its border and where each line's baseline sits, from the
// widths of the lines and the font's measures, which each front end takes from its own fonts.
#pragma once

#include <span>
#include <vector>

namespace purzo {

struct PanelFontMeasures {
    double ascentPx = 0, descentPx = 0;
    double leadingPx = 0; // the space the font puts between one line's descent and the next ascent
};

struct PanelBox {
    double widthPx = 0, heightPx = 0;
    double borderPx = 1;
    double lineSpacingPx = 0;
    std::vector<double> baselinesPx; // from the box's top, one per line
};

// The box at `scale` for lines `lineWidthsPx` wide, the last `landingLines` after half a line's
// gap.
PanelBox PanelBoxFor(std::span<const double> lineWidthsPx, int landingLines,
                     const PanelFontMeasures& font, double scale);

} // namespace purzo
