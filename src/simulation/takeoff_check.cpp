// SPDX-License-Identifier: MIT
// Take-off check: the standard values 5 and 50 replace anything out of range.
#include "takeoff_check.h"

#include "model_constants.h"
#include "number_text.h"

namespace purzo {
namespace {

bool InRange(std::string_view text, double lo, double hi) {
    const auto value = ParseTakeoffNumber(text);
    return value && *value >= lo && *value <= hi;
}

} // namespace

TakeoffCheck CheckTakeoff(std::string_view speedText, std::string_view angleText) {
    TakeoffCheck check;
    if (!InRange(speedText, kMinSpeed, kMaxSpeed)) {
        check.beep = true;
        check.showWarning = true;
    }
    // The angle is checked on the text as it stands after a speed reset.
    const std::string_view angleNow = check.showWarning ? kStandardAngleText : angleText;
    if (!InRange(angleNow, kMinAngle, kMaxAngle)) {
        check.showWarning = true;
    }
    // Both texts always reset together.
    check.speedText = std::string(check.showWarning ? kStandardSpeedText : speedText);
    check.angleText = std::string(check.showWarning ? kStandardAngleText : angleText);
    // Both texts are now numbers in range, so these always hold a value.
    check.takeoffSpeed = ParseTakeoffNumber(check.speedText).value_or(5.0);
    check.takeoffAngle = ParseTakeoffNumber(check.angleText).value_or(50.0);
    return check;
}

} // namespace purzo
