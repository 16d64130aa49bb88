// SPDX-License-Identifier: MIT
// The figure the user sees: turned by the rotation and carried by the flight point.
#pragma once

#include "figure_points.h"
#include "model_state.h"
#include "posture_table.h"

#include <array>

namespace purzo {

// What the canvas draws, in canvas units and single precision as the drawing calls take them.
struct CanvasLine {
    float x1, y1, x2, y2;
};
struct CanvasCircle {
    float x, y, radius;
};
struct DrawnFigure {
    std::array<CanvasLine, 6> lines{}; // trunk, upper arm, forearm, thigh, shank, neck
    CanvasCircle head{};
};

// Distances from the reference figure's centre of mass to its hip and to its shoulder.
struct PlacementDistances {
    double comToHip;
    double comToShoulder;
};
PlacementDistances ComputePlacementDistances(const FigurePoints& reference, double trunkLength);

// Places the rotated figure about (pathX, pathY) from the distances between the reference
// figure's centre of mass and its hip and shoulder, replacing the figure points.
void PlaceRotatedFigure(const ModelState& model, const LimbDirections& limbs, double rotationRad,
                        double pathX, double pathY, FigurePoints& points, DrawnFigure& drawn);

// Largest canvas y of the figure's 13 stored points (the head counts by its circle's centre).
double LowestPointY(const FigurePoints& points);

} // namespace purzo
