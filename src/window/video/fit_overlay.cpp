// SPDX-License-Identifier: MIT
#include "window/video/fit_overlay.h"

#include "video/video_flight.h"

namespace purzo {

std::vector<PixelPoint> FittedPath(const JumpFit& fit, const Calibration& calibration) {
    std::vector<PixelPoint> path;
    for (const FittedFrame& f : fit.frames) {
        if (f.airborne) {
            path.push_back(calibration.toPixels(f.parabola));
        }
    }
    return path;
}

void AddFitToOverlay(VideoOverlay& overlay, const JumpFit& fit, const Calibration& calibration,
                     int frame, const std::vector<PixelPoint>& path, const FlightRecord* whatIf) {
    if (frame < 0 || frame >= int(fit.frames.size())) {
        return;
    }
    const FittedFrame& f = fit.frames[std::size_t(frame)];
    overlay.parabola = path;
    if (const auto points = whatIf ? FlightPointsAt(*whatIf, fit, f.timeS) : std::nullopt) {
        std::array<PixelPoint, kJointCount> drawn;
        for (std::size_t j = 0; j < drawn.size(); ++j) {
            drawn[j] = calibration.toPixels((*points)[j]);
        }
        overlay.whatIf = drawn;
    }
    if (f.centre) {
        overlay.centre = calibration.toPixels(*f.centre);
    }
    if (!f.airborne) {
        return;
    }
    overlay.parabolaNow = calibration.toPixels(f.parabola);
    std::array<PixelPoint, kJointCount> model;
    for (std::size_t j = 0; j < model.size(); ++j) {
        model[j] = calibration.toPixels(f.model[j]);
    }
    overlay.model = model;
}

} // namespace purzo
