// SPDX-License-Identifier: MIT
// The unrotated figure of a posture, standing with its hip at a fixed point far off the canvas.
#pragma once

#include "body/figure.h"
#include "body/posture_table.h"
#include "body/segment_lengths.h"

namespace purzo {

// The reference hip: canvas x, and height above the ground line. Only distances within the
// reference figure matter, so its place has no visible effect.
inline constexpr double kReferenceHipX = 450.0;
inline constexpr double kReferenceHipHeight = 400.0;

// Trunk, neck and head upright; the limbs in the posture's directions.
Figure BuildReferenceFigure(const SegmentLengths& lengths, double canvasHeight,
                            const LimbDirections& limbs);

} // namespace purzo
