// SPDX-License-Identifier: MIT
// Rotated figure: placement about the centre of mass, then the limbs as in the reference figure.
#include "body/rotated_figure.h"

#include "body/figure_layout.h"
#include "body/reference_figure.h"

#include <cmath>

namespace purzo {
namespace {

// Directions in radians added to the rotation: the hip (about 200.5°), the shoulder (about
// 348.4°), the neck and the head (0.0032 short of a full turn).
constexpr double kHipPlacementRad = 3.5;
constexpr double kShoulderPlacementRad = 6.08;
constexpr double kNeckPlacementRad = 6.28;
// Offset of the placed hip and shoulder, canvas units.
constexpr double kTrunkOffsetX = 8.0;
constexpr double kTrunkOffsetY = -2.0;

} // namespace

PlacementDistances ComputePlacementDistances(const CentreOfMass& reference, double trunkLength) {
    const double dx = reference.bodyComX - kReferenceHipX;
    const double dh = reference.bodyComHeight - kReferenceHipHeight;
    const double dhShoulder = reference.bodyComHeight - kReferenceHipHeight - trunkLength;
    return {std::pow(dx * dx + dh * dh, 0.5), std::pow(dx * dx + dhShoulder * dhShoulder, 0.5)};
}

RotatedFigure PlaceRotatedFigure(const SegmentLengths& lengths, double canvasHeight,
                                 const LimbDirections& limbs, const CentreOfMass& reference,
                                 double rotationRad, Point path) {
    const auto [comToHip, comToShoulder] =
        ComputePlacementDistances(reference, lengths.trunkLength);
    const double theta = rotationRad;
    RotatedFigure r;
    r.hipX = path.x + comToHip * std::sin(theta + kHipPlacementRad);
    r.hipHeight = canvasHeight - (path.y - comToHip * std::cos(theta + kHipPlacementRad));
    const Segment trunk{
        {r.hipX + kTrunkOffsetX, (canvasHeight - r.hipHeight) + kTrunkOffsetY},
        {path.x + comToShoulder * std::sin(theta + kShoulderPlacementRad) + kTrunkOffsetX,
         path.y - comToShoulder * std::cos(theta + kShoulderPlacementRad) + kTrunkOffsetY}};
    r.figure = LayOutFigure(trunk, lengths, limbs, theta, theta + kNeckPlacementRad);
    return r;
}

} // namespace purzo
