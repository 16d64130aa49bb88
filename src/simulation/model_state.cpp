// SPDX-License-Identifier: MIT
// Start-up of the model state.
#include "model_state.h"

#include "model_constants.h"
#include "number_text.h"

#include <cmath>

namespace purzo {

ModelState LoadModelState(std::string_view takeoffHeightText, float canvasScaleHeight) {
    ModelState s;
    s.takeoffHeight = ParseTakeoffNumber(takeoffHeightText).value_or(0.0);
    s.gravity = kGravity;
    s.pi = kPi;
    s.unitsPerMetre = kUnitsPerMetre;
    s.canvasHeight = canvasScaleHeight;
    s.trunkLength = kTrunkFactor * s.unitsPerMetre;
    s.upperArmLength = kUpperArmFactor * s.unitsPerMetre;
    s.forearmLength = kForearmFactor * s.unitsPerMetre;
    s.thighLength = kThighFactor * s.unitsPerMetre;
    s.shankLength = kShankFactor * s.unitsPerMetre;
    s.headRadius = kHeadRadiusFactor * s.unitsPerMetre;
    // Default rounding mode is to nearest, ties to even.
    s.neckLength = static_cast<std::int16_t>(std::nearbyint(kNeckFactor * s.unitsPerMetre));
    return s;
}

ModelState DefaultModelState() {
    return LoadModelState(kTakeoffHeightText, kCanvasScaleHeight);
}

double DegreesToRadians(double pi, double degrees) {
    return (pi * degrees) / 180.0;
}

} // namespace purzo
