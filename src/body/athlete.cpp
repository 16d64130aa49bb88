// SPDX-License-Identifier: MIT
// The athlete's ranges and the figure scaled to her height.
#include "body/athlete.h"

namespace purzo {
namespace {

double HeightFactor(const Athlete& athlete) {
    // Exactly 1 for the standard height, so that the standard figure is the designed one.
    return athlete.bodyHeightM / kHeightRangeM.standard;
}

} // namespace

const AthleteRange& AthleteRangeOf(int which) {
    return which == 0   ? kMassRangeKg
           : which == 1 ? kHeightRangeM
           : which == 2 ? kSpinRangeDegPerS
                        : kLimbSpeedRangeRadPerS;
}

double& AthleteValueOf(Athlete& a, int which) {
    return which == 0   ? a.massKg
           : which == 1 ? a.bodyHeightM
           : which == 2 ? a.spinDegPerS
                        : a.limbSpeedRadPerS;
}

double AthleteValueOf(const Athlete& a, int which) {
    return which == 0   ? a.massKg
           : which == 1 ? a.bodyHeightM
           : which == 2 ? a.spinDegPerS
                        : a.limbSpeedRadPerS;
}

bool AthleteInRange(const Athlete& athlete) {
    for (int which = 0; which < kAthleteValueCount; ++which) {
        if (!AthleteRangeOf(which).holds(AthleteValueOf(athlete, which))) {
            return false;
        }
    }
    return true;
}

Athlete WithinRange(const Athlete& athlete) {
    Athlete a = athlete;
    for (int which = 0; which < kAthleteValueCount; ++which) {
        const AthleteRange& range = AthleteRangeOf(which);
        if (!range.holds(AthleteValueOf(a, which))) {
            AthleteValueOf(a, which) = range.standard;
        }
    }
    a.spinDegPerS += 0.0; // a remembered "-0" is no spin, not a negative one
    return a;
}

SegmentLengths SegmentLengthsOf(const Athlete& athlete) {
    const double k = HeightFactor(athlete);
    SegmentLengths s = StandardSegmentLengths();
    s.trunkLength *= k;
    s.upperArmLength *= k;
    s.forearmLength *= k;
    s.thighLength *= k;
    s.shankLength *= k;
    s.headRadius *= k;
    s.neckLength *= k;
    return s;
}

double ScaledReach(const Athlete& athlete, double standardReach) {
    return standardReach * HeightFactor(athlete);
}

} // namespace purzo
