// SPDX-License-Identifier: MIT
// The model's doubles narrowed for drawing.
#include "window/view/drawn_figure.h"

namespace purzo {

DrawnFigure ToDrawn(const Figure& figure) {
    DrawnFigure drawn;
    for (std::size_t i = 0; i < kSegmentCount; ++i) {
        const Segment& s = figure.segments[i];
        drawn.lines[i] = {static_cast<float>(s.from.x), static_cast<float>(s.from.y),
                          static_cast<float>(s.to.x), static_cast<float>(s.to.y)};
    }
    drawn.head = {static_cast<float>(figure.head.x), static_cast<float>(figure.head.y),
                  static_cast<float>(figure.headRadius)};
    return drawn;
}

} // namespace purzo
