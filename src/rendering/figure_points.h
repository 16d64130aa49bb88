// SPDX-License-Identifier: MIT
// The stick figure's points: six segments, the head centre, the centre of mass and the hip anchor.
#pragma once

#include <cmath>

namespace purzo {

// Canvas units, x to the right and y downwards. Each segment's first point is the joint nearer
// the trunk (the hip for the trunk itself); a shared joint is stored in both segments.
struct FigurePoints {
    double trunkX1 = 0, trunkY1 = 0, trunkX2 = 0, trunkY2 = 0;             // hip, shoulder
    double upperArmX1 = 0, upperArmY1 = 0, upperArmX2 = 0, upperArmY2 = 0; // shoulder, elbow
    double forearmX1 = 0, forearmY1 = 0, forearmX2 = 0, forearmY2 = 0;     // elbow, hand
    double thighX1 = 0, thighY1 = 0, thighX2 = 0, thighY2 = 0;             // hip, knee
    double shankX1 = 0, shankY1 = 0, shankX2 = 0, shankY2 = 0;             // knee, foot
    double neckX1 = 0, neckY1 = 0, neckX2 = 0, neckY2 = 0; // shoulder, bottom of the head
    double headX = 0, headY = 0;                           // centre of the head circle
    double bodyComX = 0;      // reference figure's centre of mass, canvas x
    double bodyComHeight = 0; // its height above the ground line
    double hipX = 0;          // hip anchor, canvas x
    double hipHeight = 0;     // and height above the ground line
};

// The end of a segment of the given length from (x0, y0) in direction phi, measured clockwise
// from straight up on the canvas.
inline void SegmentEnd(double x0, double y0, double length, double phi, double& x, double& y) {
    x = x0 + length * std::sin(phi);
    y = y0 - length * std::cos(phi);
}

} // namespace purzo
