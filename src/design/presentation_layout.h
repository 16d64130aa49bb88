// SPDX-License-Identifier: MIT
// The presentation view's layout: the canvas as large as the screen allows with the verdict line
// under it, centred, for both front ends. Pixels of the screen or the browser's viewport.
#pragma once

namespace purzo {

struct PresentationLayout {
    double scale = 1; // of the designed canvas, border included
    double canvasLeft = 0, canvasTop = 0, canvasWidth = 0, canvasHeight = 0;
    double verdictTop = 0, verdictHeight = 0; // the line under the canvas, as wide as it
    double verdictFontPt = 0;                 // the line's text, larger still for the back row
};

PresentationLayout PresentationLayoutFor(double clientWidthPx, double clientHeightPx);

} // namespace purzo
