// SPDX-License-Identifier: MIT
// The figure as a rigid body: a shape turned about its own centre of mass and carried by it.
#pragma once

#include "body/figure.h"
#include "body/point.h"
#include "body/posture_table.h"
#include "body/segment_lengths.h"

namespace purzo {

// The reference figure of the shape turned clockwise by thetaRad about its centre of mass (after
// the segment model), with that centre on `centre`. Every segment keeps its length.
Figure PlaceAboutCentreOfMass(const SegmentLengths& lengths, const LimbDirections& limbs,
                              double thetaRad, Point centre);

// How far the centre of mass of the upright reference figure lies above its lowest point (the
// foot when stretched), canvas units.
double CentreAboveLowestPoint(const SegmentLengths& lengths, const LimbDirections& limbs);

} // namespace purzo
