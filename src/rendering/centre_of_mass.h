// SPDX-License-Identifier: MIT
// Whole-body centre of mass after Willimczik's segment model (1983): one arm, one leg.
#pragma once

#include "figure_points.h"

#include <array>

namespace purzo {

struct SegmentFractions {
    double p;    // centre as a fraction of the length from the first point
    double q;    // the same centre measured from the second point
    double mass; // share of the whole body's mass
};

// Trunk, upper arm, forearm, thigh, shank; the head's centre is its centre of mass. p and q are
// kept separately: q of forearm and shank is the double that 1 - 0.42 yields, one unit in the
// last place above 0.58, and the worked figures depend on that.
inline constexpr SegmentFractions kTrunkFractions{0.56, 0.44, 0.43};
inline constexpr SegmentFractions kUpperArmFractions{0.47, 0.53, 0.06};
inline constexpr SegmentFractions kForearmFractions{0.42, 1 - 0.42, 0.06};
inline constexpr SegmentFractions kThighFractions{0.44, 0.56, 0.24};
inline constexpr SegmentFractions kShankFractions{0.42, 1 - 0.42, 0.14};
inline constexpr double kHeadMassFraction = 0.07;

// One coordinate of a segment's centre, always measured from the end with the smaller value.
double SegmentCentre(double a, double b, const SegmentFractions& f);

// Reads the five segments and the head centre, writes bodyComX and bodyComHeight only.
void ComputeCentreOfMass(FigurePoints& points, double canvasHeight);

} // namespace purzo
