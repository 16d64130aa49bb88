// SPDX-License-Identifier: MIT
// The window was laid out in twips; 15 twips make one device-independent pixel.
#pragma once

#include "design/control_table.h"

#include <QRect>

namespace purzo {

// Each of the four values is rounded on its own, so the pixel rectangles match the control table.
inline QRect TwipsToPixels(const TwipsRect& r) {
    const double perPixel = kTwipsPerPixel;
    return QRect(qRound(r.left / perPixel), qRound(r.top / perPixel), qRound(r.width / perPixel),
                 qRound(r.height / perPixel));
}

} // namespace purzo
