// SPDX-License-Identifier: MIT
// The limbs' way to the chosen posture.
#include "body/limb_reach.h"

#include "body/canvas_units.h"

#include <algorithm>
#include <cmath>

namespace purzo {

LimbDegrees ShapeBetween(const LimbDegrees& a, const LimbDegrees& b, double fraction) {
    return {a.upperArmDeg + (b.upperArmDeg - a.upperArmDeg) * fraction,
            a.forearmDeg + (b.forearmDeg - a.forearmDeg) * fraction,
            a.thighDeg + (b.thighDeg - a.thighDeg) * fraction,
            a.shankDeg + (b.shankDeg - a.shankDeg) * fraction};
}

LimbDegrees ReachedShape(const LimbDegrees& from, const LimbDegrees& target,
                         double limbSpeedRadPerS, double intervalS) {
    const double largestDeg = std::max({std::abs(target.upperArmDeg - from.upperArmDeg),
                                        std::abs(target.forearmDeg - from.forearmDeg),
                                        std::abs(target.thighDeg - from.thighDeg),
                                        std::abs(target.shankDeg - from.shankDeg)});
    // In the radians the body moves in, converted as the table's angles are. A way back that is
    // exactly one frame long must not leave a rounding remainder of a step behind.
    const double reachRad = limbSpeedRadPerS * intervalS;
    if (!(DegreesToRadians(largestDeg) > reachRad * (1 + 1e-12))) {
        return target;
    }
    return ShapeBetween(from, target, reachRad / DegreesToRadians(largestDeg));
}

} // namespace purzo
