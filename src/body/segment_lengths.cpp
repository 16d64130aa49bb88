// SPDX-License-Identifier: MIT
// Segment lengths from the figure's proportions.
#include "body/segment_lengths.h"

#include "body/canvas_units.h"

#include <cmath>

namespace purzo {
namespace {

// Metres.
constexpr double kTrunkM = 0.6;
constexpr double kUpperArmM = 0.4;
constexpr double kForearmM = 0.3;
constexpr double kThighM = 0.4;
constexpr double kShankM = 0.4;
constexpr double kHeadRadiusM = 0.15;
constexpr double kNeckM = 0.1;

} // namespace

SegmentLengths SegmentLengthsFor(std::int16_t unitsPerMetre) {
    SegmentLengths s;
    s.trunkLength = kTrunkM * unitsPerMetre;
    s.upperArmLength = kUpperArmM * unitsPerMetre;
    s.forearmLength = kForearmM * unitsPerMetre;
    s.thighLength = kThighM * unitsPerMetre;
    s.shankLength = kShankM * unitsPerMetre;
    s.headRadius = kHeadRadiusM * unitsPerMetre;
    // The default rounding mode is to nearest, ties to even.
    s.neckLength = std::nearbyint(kNeckM * unitsPerMetre);
    return s;
}

const SegmentLengths& StandardSegmentLengths() {
    static const SegmentLengths lengths = SegmentLengthsFor(kUnitsPerMetre);
    return lengths;
}

} // namespace purzo
