// SPDX-License-Identifier: MIT
// The floor contact inside an interval: steps no longer than the clearance over the fastest
// point's speed, so that no point can reach the floor between two looks, then false position.
#include "flight/first_contact.h"

#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

// ω = (L − H)/I is smooth along the interval's straight path in shape space; looked at in this
// many equal steps its largest value is within a few per cent of the true one, which the margin
// covers.
constexpr int kOmegaLooks = 8;
constexpr double kOmegaMargin = 1.25;

// A step no shorter than this: only a dip shorter than a microsecond, at most half a microsecond
// of the fastest point's speed deep (a few hundredths of a millimetre), could pass unseen; the
// approach to a real contact, whose clearance shrinks geometrically, ends in a few steps.
constexpr double kLeastStepS = 1e-6;
// A bound on the steps, for a body that grazes the floor for the whole interval.
constexpr int kMostSteps = 200'000;

// Narrowed by false position (Illinois) down to well below a nanosecond.
constexpr double kToleranceS = 1e-13;
constexpr double kToleranceDepth = 1e-11; // canvas units
constexpr int kMostNarrowingSteps = 100;

double Between(double a, double b, double fraction) {
    return a + (b - a) * fraction;
}

// The first s in (lo, hi] with depth(s) ≥ 0, given depth(lo) < 0 ≤ depth(hi).
double Narrowed(const std::function<double(double)>& depth, double lo, double fLo, double hi,
                double fHi) {
    int side = 0; // which end moved last, for the Illinois halving
    for (int i = 0; i < kMostNarrowingSteps && hi - lo > kToleranceS && fHi > kToleranceDepth;
         ++i) {
        double s = hi - fHi * (hi - lo) / (fHi - fLo);
        if (!(s > lo && s < hi) || i % 4 == 3) {
            s = (lo + hi) / 2; // every fourth step halves, so the bracket always shrinks
        }
        const double f = depth(s);
        if (f >= 0) {
            hi = s;
            fHi = f;
            if (side == 1) {
                fLo /= 2;
            }
            side = 1;
        } else {
            lo = s;
            fLo = f;
            if (side == -1) {
                fHi /= 2;
            }
            side = -1;
        }
    }
    return hi;
}

} // namespace

double DescentSpeedBound(const MassiveBody& body, const LimbDirections& from,
                         const LimbDirections& to, double intervalS, double angularMomentum,
                         double centreFallUnitsPerS) {
    const SegmentLengths& l = body.lengths;
    const LimbRates rates{(to.upperArmAngle - from.upperArmAngle) / intervalS,
                          (to.forearmAngle - from.forearmAngle) / intervalS,
                          (to.thighAngle - from.thighAngle) / intervalS,
                          (to.shankAngle - from.shankAngle) / intervalS};
    // Every point lies within the figure's longest path through its joints of the centre of
    // mass (a weighted mean of points on the figure), the head's rim one radius further.
    const double reach = l.shankLength + l.thighLength + l.trunkLength +
                         std::max(l.upperArmLength + l.forearmLength, l.neckLength + l.headRadius) +
                         l.headRadius;
    // The directions are the trunk's plus the limbs' own, so a point moves against the trunk at
    // most at the sum of its chain's rates times lengths; the centre of mass, a weighted mean of
    // such points, no faster. Against the centre: twice that.
    const double shapeSpeed = 2 * std::max(std::abs(rates.upperArmAngle) * l.upperArmLength +
                                               std::abs(rates.forearmAngle) * l.forearmLength,
                                           std::abs(rates.thighAngle) * l.thighLength +
                                               std::abs(rates.shankAngle) * l.shankLength);
    double omega = 0;
    for (int k = 0; k <= kOmegaLooks; ++k) {
        const double f = double(k) / kOmegaLooks;
        const LimbDirections limbs{Between(from.upperArmAngle, to.upperArmAngle, f),
                                   Between(from.forearmAngle, to.forearmAngle, f),
                                   Between(from.thighAngle, to.thighAngle, f),
                                   Between(from.shankAngle, to.shankAngle, f)};
        const ShapeMotion m = ShapeMotionOf(body, limbs, rates);
        omega =
            std::max(omega, std::abs((angularMomentum - m.shapeMomentumKgM2PerS) / m.inertiaKgM2));
    }
    // A point's velocity is the centre's, plus ω × its offset, plus the shape's own motion.
    return centreFallUnitsPerS + kOmegaMargin * omega * reach + shapeSpeed;
}

std::optional<double> FirstContactS(const std::function<double(double)>& depth, double depthAtStart,
                                    double descentBound, double intervalS) {
    double lo = 0, fLo = depthAtStart;
    for (int step = 0; step < kMostSteps && lo < intervalS; ++step) {
        // No point can reach the floor sooner than its clearance at the fastest descent.
        const double safe = descentBound > 0 ? -fLo / descentBound : intervalS;
        const double s = std::min(lo + std::max(safe, kLeastStepS), intervalS);
        const double f = depth(s);
        if (f >= 0) {
            return Narrowed(depth, lo, fLo, s, f);
        }
        lo = s;
        fLo = f;
    }
    if (lo < intervalS) {
        if (const double f = depth(intervalS); f >= 0) {
            return Narrowed(depth, lo, fLo, intervalS, f);
        }
    }
    return std::nullopt;
}

} // namespace purzo
