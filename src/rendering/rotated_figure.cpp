// SPDX-License-Identifier: MIT
// Rotated figure. Hip and shoulder are placed independently about the centre of mass, so the
// drawn trunk is not exactly trunkLength long; that is how the figure has always looked.
#include "rotated_figure.h"

#include "model_constants.h"

#include <cmath>

namespace purzo {
namespace {

CanvasLine Line(double x1, double y1, double x2, double y2) {
    return {static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
            static_cast<float>(y2)};
}

} // namespace

PlacementDistances ComputePlacementDistances(const FigurePoints& p, double trunkLength) {
    const double dx = p.bodyComX - p.hipX;
    const double dh = p.bodyComHeight - p.hipHeight;
    const double dhShoulder = p.bodyComHeight - p.hipHeight - trunkLength;
    return {std::pow(dx * dx + dh * dh, 0.5), std::pow(dx * dx + dhShoulder * dhShoulder, 0.5)};
}

void PlaceRotatedFigure(const ModelState& model, const LimbDirections& limbs, double rotationRad,
                        double pathX, double pathY, FigurePoints& p, DrawnFigure& drawn) {
    const auto [comToHip, comToShoulder] = ComputePlacementDistances(p, model.trunkLength);
    const double theta = rotationRad;

    p.hipX = pathX + comToHip * std::sin(theta + kHipPlacementRad);
    p.hipHeight = model.canvasHeight - (pathY - comToHip * std::cos(theta + kHipPlacementRad));
    p.trunkX1 = p.hipX + kTrunkOffsetX;
    p.trunkY1 = (model.canvasHeight - p.hipHeight) + kTrunkOffsetY;
    p.trunkX2 = pathX + comToShoulder * std::sin(theta + kShoulderPlacementRad) + kTrunkOffsetX;
    p.trunkY2 = pathY - comToShoulder * std::cos(theta + kShoulderPlacementRad) + kTrunkOffsetY;
    drawn.lines[0] = Line(p.trunkX1, p.trunkY1, p.trunkX2, p.trunkY2);

    p.upperArmX1 = p.trunkX2;
    p.upperArmY1 = p.trunkY2;
    SegmentEnd(p.upperArmX1, p.upperArmY1, model.upperArmLength, theta + limbs.upperArmAngle,
               p.upperArmX2, p.upperArmY2);
    drawn.lines[1] = Line(p.upperArmX1, p.upperArmY1, p.upperArmX2, p.upperArmY2);

    p.forearmX1 = p.upperArmX2;
    p.forearmY1 = p.upperArmY2;
    SegmentEnd(p.forearmX1, p.forearmY1, model.forearmLength, theta + limbs.forearmAngle,
               p.forearmX2, p.forearmY2);
    drawn.lines[2] = Line(p.forearmX1, p.forearmY1, p.forearmX2, p.forearmY2);

    p.thighX1 = p.trunkX1;
    p.thighY1 = p.trunkY1;
    SegmentEnd(p.thighX1, p.thighY1, model.thighLength, theta + limbs.thighAngle, p.thighX2,
               p.thighY2);
    drawn.lines[3] = Line(p.thighX1, p.thighY1, p.thighX2, p.thighY2);

    p.shankX1 = p.thighX2;
    p.shankY1 = p.thighY2;
    SegmentEnd(p.shankX1, p.shankY1, model.shankLength, theta + limbs.shankAngle, p.shankX2,
               p.shankY2);
    drawn.lines[4] = Line(p.shankX1, p.shankY1, p.shankX2, p.shankY2);

    p.neckX1 = p.trunkX2;
    p.neckY1 = p.trunkY2;
    SegmentEnd(p.neckX1, p.neckY1, model.neckLength, theta + kNeckPlacementRad, p.neckX2, p.neckY2);
    drawn.lines[5] = Line(p.neckX1, p.neckY1, p.neckX2, p.neckY2);

    SegmentEnd(p.neckX2, p.neckY2, model.headRadius, theta + kNeckPlacementRad, p.headX, p.headY);
    drawn.head = {static_cast<float>(p.headX), static_cast<float>(p.headY),
                  static_cast<float>(model.headRadius)};
}

double LowestPointY(const FigurePoints& p) {
    double lowestPointY = 0;
    for (const double y :
         {p.trunkY1, p.trunkY2, p.upperArmY1, p.upperArmY2, p.forearmY1, p.forearmY2, p.thighY1,
          p.thighY2, p.shankY1, p.shankY2, p.neckY1, p.neckY2, p.headY}) {
        if (y > lowestPointY) {
            lowestPointY = y;
        }
    }
    return lowestPointY;
}

} // namespace purzo
