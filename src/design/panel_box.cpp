// SPDX-License-Identifier: MIT
#include "design/panel_box.h"

#include "design/canvas_design.h"

#include <algorithm>

namespace purzo {

PanelBox PanelBoxFor(std::span<const double> lineWidthsPx, int landingLines,
                     const PanelFontMeasures& font, double scale) {
    PanelBox box;
    const double margin = kPanelMarginPx * scale;
    const auto count = static_cast<int>(lineWidthsPx.size());
    box.lineSpacingPx = font.ascentPx + font.descentPx + font.leadingPx;
    // A hairline at the designed size that grows with the scale, so that it still reads on a
    // projector.
    box.borderPx = std::max(1.0, scale / 2);
    const double gap = landingLines > 0 ? box.lineSpacingPx / 2 : 0;
    double y = margin + font.ascentPx;
    for (int i = 0; i < count; ++i) {
        if (i == count - landingLines) {
            y += gap;
        }
        box.baselinesPx.push_back(y);
        y += box.lineSpacingPx;
    }
    const double widest =
        lineWidthsPx.empty() ? 0 : *std::max_element(lineWidthsPx.begin(), lineWidthsPx.end());
    box.widthPx = widest + 2 * margin;
    // The last line needs no leading below it.
    box.heightPx = count * box.lineSpacingPx + gap + 2 * margin - font.leadingPx;
    return box;
}

} // namespace purzo
