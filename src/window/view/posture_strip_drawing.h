// SPDX-License-Identifier: MIT
// A flight's chosen postures drawn as a strip, one mark per frame in its posture's shade: in the
// log's column and in the comparison's table on the board.
#pragma once

class QPainter;
class QRectF;
class QString;

namespace purzo {

// Draws `postures` ("1777111") into `area` from its left, marks `markPx` wide.
void DrawPostureStrip(QPainter& painter, const QString& postures, const QRectF& area,
                      double markPx);
// How wide the strip of `frames` marks `markPx` wide is.
double PostureStripWidth(int frames, double markPx);

} // namespace purzo
