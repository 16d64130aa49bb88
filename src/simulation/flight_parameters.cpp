// SPDX-License-Identifier: MIT
// Flight time, range, step per frame and the pause of each pace.
#include "flight_parameters.h"

#include "model_constants.h"

#include <cmath>

namespace purzo {

std::int32_t FrameDelayMs(Pace pace) {
    switch (pace) {
    case Pace::RealTime:
        return kRealTimeDelayMs;
    case Pace::SlowMotion:
        return kSlowMotionDelayMs;
    case Pace::ExtremeSlowMotion:
        return kExtremeSlowMotionDelayMs;
    }
    return kRealTimeDelayMs;
}

FlightParameters ComputeFlightParameters(const ModelState& model, double takeoffSpeed,
                                         double takeoffAngle, Pace pace) {
    FlightParameters f;
    const double pi = model.pi;
    f.takeoffSpeed = takeoffSpeed;
    f.takeoffAngle = takeoffAngle;
    f.angleRad = (takeoffAngle * pi) / 180.0;
    f.flightTime = ((takeoffSpeed * std::sin((takeoffAngle * pi) / 180.0)) / kGravity) * 2.0;
    f.flightRange =
        ((takeoffSpeed * takeoffSpeed) * std::sin(((takeoffAngle * pi) / 180.0) * 2.0)) / kGravity;
    f.stepX = f.flightRange / (f.flightTime * kFramesPerSecond);
    f.frameDelayMs = FrameDelayMs(pace);
    return f;
}

} // namespace purzo
