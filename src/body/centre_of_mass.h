// SPDX-License-Identifier: MIT
// Whole-body centre of mass after Willimczik's segment model (1983): one arm, one leg.
#pragma once

#include "body/figure.h"

#include <array>

namespace purzo {

struct SegmentFractions {
    double p;    // centre as a fraction of the length from the first point
    double q;    // the same centre measured from the second point
    double mass; // share of the whole body's mass
};

// Trunk, upper arm, forearm, thigh and shank, in BodyPart order; the neck carries no mass and
// the head's centre is its centre of mass. p and q are kept separately: q of forearm and shank
// is the double that 1 - 0.42 yields, one unit in the last place above 0.58, and the reference
// frames in the tests depend on that.
inline constexpr std::array<SegmentFractions, 5> kSegmentFractions{{
    {0.56, 0.44, 0.43},
    {0.47, 0.53, 0.06},
    {0.42, 1 - 0.42, 0.06},
    {0.44, 0.56, 0.24},
    {0.42, 1 - 0.42, 0.14},
}};
inline constexpr double kHeadMassFraction = 0.07;

constexpr const SegmentFractions& FractionsOf(BodyPart id) {
    return kSegmentFractions[std::size_t(id)];
}

struct CentreOfMass {
    double bodyComX = 0;      // canvas x
    double bodyComHeight = 0; // height above the ground line: canvasHeight minus canvas y
};

// One coordinate of a segment's centre, always measured from the end with the smaller value.
double SegmentCentre(double a, double b, const SegmentFractions& f);

// The mass-weighted sum of the five segment centres and the head, added in table order.
CentreOfMass ComputeCentreOfMass(const Figure& figure, double canvasHeight);

} // namespace purzo
