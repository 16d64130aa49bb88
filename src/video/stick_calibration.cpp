// SPDX-License-Identifier: MIT
#include "video/stick_calibration.h"

#include <cmath>
#include <numbers>

namespace purzo {

ScenePoint Calibration::toScene(PixelPoint p) const {
    const double dx = p.x - foot.x, dy = p.y - foot.y;
    // Right is up turned a quarter clockwise on the picture: (−upY, upX).
    return {(dx * -upY + dy * upX) / pixelsPerMetre, (dx * upX + dy * upY) / pixelsPerMetre};
}

PixelPoint Calibration::toPixels(ScenePoint s) const {
    const double right = s.xM * pixelsPerMetre, up = s.heightM * pixelsPerMetre;
    return {foot.x + right * -upY + up * upX, foot.y + right * upX + up * upY};
}

double Calibration::rollDeg() const {
    return std::atan2(upX, -upY) * 180.0 / std::numbers::pi;
}

std::optional<Calibration> CalibrationOf(const Stick& stick, CalibrationError* error) {
    auto fail = [&](const char* message) -> std::optional<Calibration> {
        if (error) {
            error->message = message;
        }
        return std::nullopt;
    };
    if (!std::isfinite(stick.lengthM) || stick.lengthM <= 0) {
        return fail("the stick's length must be a positive number of metres");
    }
    const double dx = stick.b.x - stick.a.x, dy = stick.b.y - stick.a.y;
    const double px = std::hypot(dx, dy);
    if (!std::isfinite(px) || px < kShortestStickPx) {
        return fail("the stick's two ends lie in one place");
    }
    // The end lower in the picture stands on the floor.
    const bool aIsFoot = stick.a.y >= stick.b.y;
    Calibration c;
    c.foot = aIsFoot ? stick.a : stick.b;
    const PixelPoint top = aIsFoot ? stick.b : stick.a;
    c.upX = (top.x - c.foot.x) / px;
    c.upY = (top.y - c.foot.y) / px;
    c.pixelsPerMetre = px / stick.lengthM;
    return c;
}

} // namespace purzo
