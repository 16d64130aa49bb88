// SPDX-License-Identifier: MIT
// The focus mark of buttons, text boxes and options: a dark frame that reads on a projector,
// where the style's own mark is a faint tint.
#pragma once

class QPainter;
class QRect;
class QWidget;

namespace purzo {

// Draws the mark just inside `area` of `widget`, two design pixels wide at the window's scale.
void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& area);

} // namespace purzo
