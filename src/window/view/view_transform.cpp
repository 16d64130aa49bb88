// SPDX-License-Identifier: MIT
#include "window/view/view_transform.h"

#include "body/canvas_units.h"
#include "design/canvas_design.h"

#include <algorithm>

namespace purzo {

QTransform ViewTransform(bool wholeView, const QRectF& area) {
    QTransform t;
    if (!wholeView) {
        t.translate(area.left(), area.top());
        t.scale(area.width() / double(kCanvasWidth), area.height() / double(kCanvasHeight));
        return t;
    }
    const QRectF view(kWholeView.left, kWholeView.top, kWholeView.width, kWholeView.height);
    const double k = std::min(area.width() / view.width(), area.height() / view.height());
    t.translate(area.left() + (area.width() - view.width() * k) / 2,
                area.top() + (area.height() - view.height() * k) / 2);
    t.scale(k, k);
    t.translate(-view.left(), -view.top());
    return t;
}

} // namespace purzo
