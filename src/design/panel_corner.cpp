// SPDX-License-Identifier: MIT
// The corners compared by sampling each box on a grid.
#include "design/panel_corner.h"

#include "design/canvas_design.h"

#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

double DistanceToSegment(double px, double py, Point a, Point b) {
    const double abx = b.x - a.x, aby = b.y - a.y;
    const double length2 = abx * abx + aby * aby;
    const double t =
        length2 > 0 ? std::clamp(((px - a.x) * abx + (py - a.y) * aby) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(px - (a.x + t * abx), py - (a.y + t * aby));
}

// How many points of a grid over the box at (left, top) the widened path covers.
int Covered(std::span<const Point> path, double left, double top, const PanelPlace& place,
            const AreaTransform& t) {
    constexpr int kSamples = 24;
    int count = 0;
    for (int i = 0; i < kSamples; ++i) {
        for (int j = 0; j < kSamples; ++j) {
            const double x = (left + place.boxWidth * (i + 0.5) / kSamples - t.dx) / t.sx;
            const double y = (top + place.boxHeight * (j + 0.5) / kSamples - t.dy) / t.sy;
            for (std::size_t k = 0; k < path.size(); ++k) {
                const Point b = k + 1 < path.size() ? path[k + 1] : path[k];
                if (DistanceToSegment(x, y, path[k], b) <= place.bodyReach) {
                    ++count;
                    break;
                }
            }
        }
    }
    return count;
}

} // namespace

bool PanelBelongsRight(std::span<const Point> path, const PanelPlace& place,
                       const AreaTransform& canvasToArea) {
    const double top = place.areaTop + place.margin;
    const double left = place.areaLeft + place.margin;
    const double right = place.areaRight - place.margin - place.boxWidth;
    return Covered(path, right, top, place, canvasToArea) <
           Covered(path, left, top, place, canvasToArea);
}

} // namespace purzo
