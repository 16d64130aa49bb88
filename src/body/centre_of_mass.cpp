// SPDX-License-Identifier: MIT
// The segment centres and their mass-weighted sum, added in table order.
#include "body/centre_of_mass.h"

namespace purzo {

double SegmentCentre(double a, double b, const SegmentFractions& f) {
    if (a == b) {
        return a;
    }
    if (a > b) {
        return b + f.q * (a - b);
    }
    return a + f.p * (b - a);
}

CentreOfMass ComputeCentreOfMass(const Figure& figure, double canvasHeight) {
    // Left to right from the trunk's term, then the head's: the order of the additions is part
    // of the result.
    const Segment& trunk = figure.segments[0];
    const SegmentFractions& tf = kSegmentFractions[0];
    double x = tf.mass * SegmentCentre(trunk.from.x, trunk.to.x, tf);
    double height = tf.mass * (canvasHeight - SegmentCentre(trunk.from.y, trunk.to.y, tf));
    for (std::size_t i = 1; i < kSegmentFractions.size(); ++i) {
        const Segment& s = figure.segments[i];
        const SegmentFractions& f = kSegmentFractions[i];
        x = x + f.mass * SegmentCentre(s.from.x, s.to.x, f);
        height = height + f.mass * (canvasHeight - SegmentCentre(s.from.y, s.to.y, f));
    }
    x = x + kHeadMassFraction * figure.head.x;
    height = height + kHeadMassFraction * (canvasHeight - figure.head.y);
    return {x, height};
}

} // namespace purzo
