// SPDX-License-Identifier: MIT
// Reference figure: trunk, neck and head always upright, limbs in the posture's directions.
#include "reference_figure.h"

#include "centre_of_mass.h"
#include "model_constants.h"

namespace purzo {

void BuildReferenceFigure(const ModelState& model, const LimbDirections& limbs, FigurePoints& p) {
    p.hipX = kReferenceHipX;
    p.hipHeight = kReferenceHipHeight;

    p.trunkX1 = p.hipX;
    p.trunkY1 = model.canvasHeight - p.hipHeight;
    p.trunkX2 = p.hipX;
    p.trunkY2 = p.trunkY1 - model.trunkLength;

    p.upperArmX1 = p.trunkX2;
    p.upperArmY1 = p.trunkY2;
    SegmentEnd(p.trunkX2, p.trunkY2, model.upperArmLength, limbs.upperArmAngle, p.upperArmX2,
               p.upperArmY2);

    p.forearmX1 = p.upperArmX2;
    p.forearmY1 = p.upperArmY2;
    SegmentEnd(p.upperArmX2, p.upperArmY2, model.forearmLength, limbs.forearmAngle, p.forearmX2,
               p.forearmY2);

    p.thighX1 = p.trunkX1;
    p.thighY1 = p.trunkY1;
    SegmentEnd(p.trunkX1, p.trunkY1, model.thighLength, limbs.thighAngle, p.thighX2, p.thighY2);

    p.shankX1 = p.thighX2;
    p.shankY1 = p.thighY2;
    SegmentEnd(p.thighX2, p.thighY2, model.shankLength, limbs.shankAngle, p.shankX2, p.shankY2);

    p.neckX1 = p.trunkX2;
    p.neckY1 = p.trunkY2;
    p.neckX2 = p.trunkX2;
    p.neckY2 = p.trunkY2 - model.neckLength;

    p.headX = p.neckX2;
    p.headY = p.neckY2 - model.headRadius;

    ComputeCentreOfMass(p, model.canvasHeight);
}

} // namespace purzo
