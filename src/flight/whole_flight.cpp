// SPDX-License-Identifier: MIT
// The frame loop without a window.
#include "flight/whole_flight.h"

#include "body/posture_table.h"

#include <algorithm>

namespace purzo {

int PostureForFrame(std::span<const int> postures, int frame) {
    if (postures.empty()) {
        return kFirstPosture;
    }
    const std::size_t index = std::size_t(std::max(frame, 1) - 1);
    return postures[std::min(index, postures.size() - 1)];
}

std::vector<FrameResult> RunWholeFlight(const FlightParameters& params,
                                        std::span<const int> postures, Model model,
                                        const Athlete& athlete) {
    std::vector<FrameResult> frames;
    Flight flight = StartFlight(params, model, athlete);
    while (!flight.ended) {
        frames.push_back(RunFrame(flight, PostureForFrame(postures, flight.framesRun + 1)));
    }
    return frames;
}

} // namespace purzo
