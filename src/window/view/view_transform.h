// SPDX-License-Identifier: MIT
// Canvas units to the pixels of an area, as the canvas and each cell of a side-by-side
// comparison map them: the designed 200 × 150 units over the whole area, or the whole-flight
// view as large as it fits, centred.
#pragma once

#include <QRectF>
#include <QTransform>

namespace purzo {

QTransform ViewTransform(bool wholeView, const QRectF& area);

} // namespace purzo
