// SPDX-License-Identifier: MIT
// Which top corner of the canvas the data panel takes: the one whose box covers less of the
// flight's centre-of-mass path widened by the body's reach. Both front ends decide it here.
#pragma once

#include "body/point.h"
#include "design/canvas_design.h"

#include <span>

namespace purzo {

// Canvas units to the drawing area's pixels: x' = sx·x + dx, y' = sy·y + dy.
struct AreaTransform {
    double sx = 1, sy = 1, dx = 0, dy = 0;
};

struct PanelPlace {
    double areaLeft = 0, areaTop = 0, areaRight = 0; // pixels
    double boxWidth = 0, boxHeight = 0;              // the panel's box at its widest, pixels
    double margin = 0;                               // from the area's edges, pixels
    double bodyReach = kBodyReach; // canvas units, the athlete's: scaled with her height
};

// True for the top right corner; ties go left.
bool PanelBelongsRight(std::span<const Point> path, const PanelPlace& place,
                       const AreaTransform& canvasToArea);

} // namespace purzo
