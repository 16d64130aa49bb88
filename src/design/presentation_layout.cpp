// SPDX-License-Identifier: MIT
#include "design/presentation_layout.h"

#include "design/canvas_design.h"
#include "design/control_table.h"

#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

// The verdict line's share of the screen's height below the canvas.
constexpr double kVerdictShare = 0.07;

} // namespace

PresentationLayout PresentationLayoutFor(double clientWidthPx, double clientHeightPx) {
    const double width = std::max(0.0, clientWidthPx);
    const double height = std::max(0.0, clientHeightPx);
    const double designWidth = kCanvasAreaWidthPx + 2 * kCanvasBorderPx;
    const double designHeight = kCanvasAreaHeightPx + 2 * kCanvasBorderPx;
    PresentationLayout layout;
    layout.scale = std::min(width / designWidth, height * (1 - kVerdictShare) / designHeight);
    layout.canvasWidth = std::floor(designWidth * layout.scale);
    layout.canvasHeight = std::floor(designHeight * layout.scale);
    layout.verdictHeight = std::floor(height * kVerdictShare);
    layout.canvasLeft = std::floor((width - layout.canvasWidth) / 2);
    layout.canvasTop =
        std::max(0.0, std::floor((height - layout.canvasHeight - layout.verdictHeight) / 2));
    layout.verdictTop = layout.canvasTop + layout.canvasHeight;
    layout.verdictFontPt =
        ControlNamed("Label19").font.pointSize * layout.scale * kPresentationTextFactor;
    return layout;
}

} // namespace purzo
