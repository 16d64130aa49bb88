// SPDX-License-Identifier: MIT
// A flight as the model computed it, frame by frame with the posture each frame read, kept so
// that it can be drawn again, replayed, compared and saved. The numbers a lesson reads off a
// frame come from here too.
#pragma once

#include "body/athlete.h"
#include "flight/flight_parameters.h"
#include "flight/frame_step.h"
#include "flight/model.h"
#include "flight/pace.h"
#include "flight/tuck_plan.h"
#include "flight/video_source.h"

#include <optional>
#include <string>
#include <vector>

namespace purzo {

struct FlightRecord {
    std::string speedText; // the take-off texts the flight ran with, as they stood in the boxes
    std::string angleText;
    FlightParameters params;
    Model model = Model::Classic;
    std::vector<FrameResult> frames;
    std::optional<Pace> pace; // the window's playback pace; none for the trace tool
    Athlete athlete;          // the exact model's; the classic flies the standard figure
    // A planned flight's plan, which chose every frame's posture, and what its group predicted.
    std::optional<TuckPlan> plan;
    std::optional<Prediction> prediction;
    // A video flight's film and fit: its take-off was measured, not typed.
    std::optional<VideoSource> video;

    bool landed() const { return !frames.empty() && frames.back().lastFrame; }
    // The athlete's values matter: the exact model, with another than the standard athlete.
    bool otherAthlete() const { return model == Model::Exact && athlete != kStandardAthlete; }
    // The posture of each frame, as purzo-trace --postures takes them.
    std::vector<int> postures() const;
};

// Height of the centre of mass (the flight point) above the ground, m.
double CentreHeightM(const FrameResult& frame);
// The rotation so far in whole turns.
double TurnsOf(const FrameResult& frame);

} // namespace purzo
