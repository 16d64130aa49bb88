// SPDX-License-Identifier: MIT
// The limbs, the neck and the head laid out from a placed trunk; the reference figure and the
// rotated figure share it.
#pragma once

#include "body/figure.h"
#include "body/posture_table.h"
#include "body/segment_lengths.h"

namespace purzo {

// Each limb direction is taken from the trunk's direction `turn` (0 upright), not added to its
// parent segment's; the neck and the head point in `neckDirection`.
Figure LayOutFigure(const Segment& trunk, const SegmentLengths& lengths,
                    const LimbDirections& limbs, double turn, double neckDirection);

} // namespace purzo
