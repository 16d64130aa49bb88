// SPDX-License-Identifier: MIT
// The program's look, the same on every desktop: Qt's Fusion style with its own light palette.
#pragma once

class QStyle;

namespace purzo {

// Sets the application's style and palette; main() and the tests call it before the window is
// built, so a dark desktop theme or another default style changes nothing.
void ApplyLook();

// A new Fusion style; the caller owns it.
QStyle* NewFusionStyle();

} // namespace purzo
