// SPDX-License-Identifier: MIT
// Reference figure: the trunk straight up from the reference hip.
#include "body/reference_figure.h"

#include "body/figure_layout.h"

namespace purzo {

Figure BuildReferenceFigure(const SegmentLengths& lengths, double canvasHeight,
                            const LimbDirections& limbs) {
    const Point hip{kReferenceHipX, canvasHeight - kReferenceHipHeight};
    const Segment trunk{hip, {hip.x, hip.y - lengths.trunkLength}};
    return LayOutFigure(trunk, lengths, limbs, 0.0, 0.0);
}

} // namespace purzo
