// SPDX-License-Identifier: MIT
// Numbers of a recorded frame.
#include "flight/flight_record.h"

#include "body/canvas_units.h"

namespace purzo {

std::vector<int> FlightRecord::postures() const {
    std::vector<int> result;
    result.reserve(frames.size());
    for (const FrameResult& f : frames) {
        result.push_back(f.posture);
    }
    return result;
}

double CentreHeightM(const FrameResult& frame) {
    return (kCanvasHeight - frame.pathY) / kUnitsPerMetre;
}

double TurnsOf(const FrameResult& frame) {
    return frame.rotationDeg / 360.0;
}

} // namespace purzo
