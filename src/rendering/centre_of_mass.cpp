// SPDX-License-Identifier: MIT
// The segment centres and their mass-weighted sum, added in table order.
#include "centre_of_mass.h"

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

void ComputeCentreOfMass(FigurePoints& pt, double canvasHeight) {
    const double trunkComX = SegmentCentre(pt.trunkX1, pt.trunkX2, kTrunkFractions);
    const double trunkComY = SegmentCentre(pt.trunkY1, pt.trunkY2, kTrunkFractions);
    const double upperArmComX = SegmentCentre(pt.upperArmX1, pt.upperArmX2, kUpperArmFractions);
    const double upperArmComY = SegmentCentre(pt.upperArmY1, pt.upperArmY2, kUpperArmFractions);
    const double forearmComX = SegmentCentre(pt.forearmX1, pt.forearmX2, kForearmFractions);
    const double forearmComY = SegmentCentre(pt.forearmY1, pt.forearmY2, kForearmFractions);
    const double thighComX = SegmentCentre(pt.thighX1, pt.thighX2, kThighFractions);
    const double thighComY = SegmentCentre(pt.thighY1, pt.thighY2, kThighFractions);
    const double shankComX = SegmentCentre(pt.shankX1, pt.shankX2, kShankFractions);
    const double shankComY = SegmentCentre(pt.shankY1, pt.shankY2, kShankFractions);

    pt.bodyComX = kTrunkFractions.mass * trunkComX + kUpperArmFractions.mass * upperArmComX +
                  kForearmFractions.mass * forearmComX + kThighFractions.mass * thighComX +
                  kShankFractions.mass * shankComX + kHeadMassFraction * pt.headX;
    pt.bodyComHeight = kTrunkFractions.mass * (canvasHeight - trunkComY) +
                       kUpperArmFractions.mass * (canvasHeight - upperArmComY) +
                       kForearmFractions.mass * (canvasHeight - forearmComY) +
                       kThighFractions.mass * (canvasHeight - thighComY) +
                       kShankFractions.mass * (canvasHeight - shankComY) +
                       kHeadMassFraction * (canvasHeight - pt.headY);
}

} // namespace purzo
