// SPDX-License-Identifier: MIT
// What the canvas draws of a figure: its lines and head circle in canvas units, in single
// precision as the drawing calls take them.
#pragma once

#include "body/figure.h"

#include <array>

namespace purzo {

struct CanvasLine {
    float x1, y1, x2, y2;
};
struct CanvasCircle {
    float x, y, radius;
};
struct DrawnFigure {
    std::array<CanvasLine, kSegmentCount> lines{}; // in BodyPart order
    CanvasCircle head{};

    const CanvasLine& operator[](BodyPart id) const { return lines[std::size_t(id)]; }
};

DrawnFigure ToDrawn(const Figure& figure);

} // namespace purzo
