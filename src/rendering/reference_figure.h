// SPDX-License-Identifier: MIT
// The unrotated figure of a posture, standing with its hip at a fixed point far off the canvas.
#pragma once

#include "figure_points.h"
#include "model_state.h"
#include "posture_table.h"

namespace purzo {

// Writes every figure point of the reference figure and then its centre of mass.
void BuildReferenceFigure(const ModelState& model, const LimbDirections& limbs,
                          FigurePoints& points);

} // namespace purzo
