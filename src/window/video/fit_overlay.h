// SPDX-License-Identifier: MIT
// A fitted jump drawn over its video: the model's points in the plane of the jump taken back to
// the video's pixels through the stick's calibration.
#pragma once

#include "flight/flight_record.h"
#include "video/jump_fit.h"
#include "window/video/video_overlay.h"

#include <vector>

namespace purzo {

// The fitted parabola at every airborne frame, in pixels.
std::vector<PixelPoint> FittedPath(const JumpFit& fit, const Calibration& calibration);

// Adds frame `frame`'s measured centre, its point on the parabola and the model's figure, and
// the whole path, to `overlay`.
// With `whatIf`, that flight's figure at the frame's time too.
void AddFitToOverlay(VideoOverlay& overlay, const JumpFit& fit, const Calibration& calibration,
                     int frame, const std::vector<PixelPoint>& path,
                     const FlightRecord* whatIf = nullptr);

} // namespace purzo
