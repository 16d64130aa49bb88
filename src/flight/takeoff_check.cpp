// SPDX-License-Identifier: MIT
// Take-off check: the standard values 5 and 50 replace anything out of range.
#include "flight/takeoff_check.h"

#include "flight/flight_constants.h"
#include "flight/takeoff_text.h"

namespace purzo {
namespace {

std::optional<double> InRange(std::string_view text, double lo, double hi) {
    const auto value = ParseTakeoffNumber(text);
    if (value && *value >= lo && *value <= hi) {
        return value;
    }
    return std::nullopt;
}

} // namespace

TakeoffCheck CheckTakeoff(std::string_view speedText, std::string_view angleText) {
    TakeoffCheck check;
    const auto speed = InRange(speedText, kMinSpeed, kMaxSpeed);
    // After a speed reset the angle text is the standard one, which is in range: the angle
    // needs a test only when the speed passed.
    const auto angle = speed ? InRange(angleText, kMinAngle, kMaxAngle) : std::nullopt;
    check.beep = !speed;
    check.showWarning = !speed || !angle;
    if (check.showWarning) {
        check.takeoffSpeed = kStandardSpeed;
        check.takeoffAngle = kStandardAngle;
        check.speedText = std::to_string(kStandardSpeed);
        check.angleText = std::to_string(kStandardAngle);
    } else {
        check.takeoffSpeed = *speed;
        check.takeoffAngle = *angle;
        check.speedText = std::string(speedText);
        check.angleText = std::string(angleText);
    }
    return check;
}

} // namespace purzo
