// SPDX-License-Identifier: MIT
// The window was laid out in twips; 15 twips make one device-independent pixel.
#pragma once

#include <QRect>

namespace purzo {

inline constexpr double kTwipsPerPixel = 15.0;

// Each of the four values is rounded on its own, so the pixel rectangles match the control table.
inline QRect TwipsToPixels(int left, int top, int width, int height) {
    return QRect(qRound(left / kTwipsPerPixel), qRound(top / kTwipsPerPixel),
                 qRound(width / kTwipsPerPixel), qRound(height / kTwipsPerPixel));
}

} // namespace purzo
