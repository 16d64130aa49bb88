// SPDX-License-Identifier: MIT
// Points and segments in canvas units, and the direction convention of the figure.
#pragma once

#include <cmath>

namespace purzo {

struct Point {
    double x = 0;
    double y = 0; // canvas y, growing downwards
    friend bool operator==(const Point&, const Point&) = default;
};

struct Segment {
    Point from; // the joint nearer the trunk (the hip for the trunk itself)
    Point to;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// The end of a segment of the given length from `start` in direction phi (radians), measured
// clockwise from straight up on the canvas.
inline Point SegmentEnd(Point start, double length, double phi) {
    return {start.x + length * std::sin(phi), start.y - length * std::cos(phi)};
}

} // namespace purzo
