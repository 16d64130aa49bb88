// SPDX-License-Identifier: MIT
// The figure the user sees: turned by the rotation and carried by the flight point.
#pragma once

#include "body/centre_of_mass.h"
#include "body/figure.h"
#include "body/posture_table.h"
#include "body/segment_lengths.h"

namespace purzo {

// Distances from the reference figure's centre of mass to its hip and to its shoulder.
struct PlacementDistances {
    double comToHip;
    double comToShoulder;
};
PlacementDistances ComputePlacementDistances(const CentreOfMass& reference, double trunkLength);

struct RotatedFigure {
    Figure figure;
    double hipX = 0;      // the placed hip before the trunk's offset: canvas x
    double hipHeight = 0; // and height above the ground line
};

// Hip and shoulder are placed independently about the flight point `path`, at the distances the
// reference figure's centre of mass has from them, so the drawn trunk is not exactly
// trunkLength long; the limbs hang from those two points.
RotatedFigure PlaceRotatedFigure(const SegmentLengths& lengths, double canvasHeight,
                                 const LimbDirections& limbs, const CentreOfMass& reference,
                                 double rotationRad, Point path);

} // namespace purzo
