// SPDX-License-Identifier: MIT
// How a flight came down, in both models: how far it turned, how far from upright the trunk
// stood at touchdown, which part touched first, and whether that is a landing on the feet.
#pragma once

#include "body/lowest_point.h"
#include "flight/frame_step.h"
#include "flight/text_language.h"

#include <optional>
#include <span>
#include <string_view>

namespace purzo {

// A foot first within this many degrees of upright (either way) counts as standing the landing.
inline constexpr double kUprightToleranceDeg = 20.0;

// Tucked: posture 5 and higher, knees drawn up.
inline constexpr int kFirstTuckedPosture = 5;

enum class Verdict { Upright, TooFar, TooShort, NotOnFeet };

// "upright", "too-far", "too-short", "not-on-feet", as the trace tool writes them.
std::string_view VerdictCode(Verdict verdict);
std::optional<Verdict> VerdictFromCode(std::string_view code);
// The verdict in a word or two, for a table: "aufrecht", "zu weit gedreht", … or in English.
const char* VerdictName(Verdict verdict, TextLanguage language);

// The rotation folded into (−180°, +180°]: the trunk's angle from upright, positive when turned
// past it.
double AttitudeDeg(double rotationDeg);

struct Landing {
    double rotationDeg = 0;
    double attitudeDeg = 0;
    BodyPart firstContact = BodyPart::Foot;
    Verdict verdict = Verdict::NotOnFeet;
};

// The landing of a touchdown frame; nothing for a frame that did not land.
std::optional<Landing> LandingOf(const FrameResult& frame);

Verdict VerdictOf(BodyPart firstContact, double attitudeDeg);

// The tuck of a flight: when it first chose to draw the knees up and for how long in all. A
// frame's posture counts from its time to the next frame's; the touchdown ends the last one, so
// that the tuck's start and length never reach past the flight.
struct Tuck {
    std::optional<double> startS; // time of the first frame in a tucked posture
    double tuckedS = 0;           // s in a tucked posture, up to the touchdown
};
Tuck TuckOf(std::span<const FrameResult> frames);

} // namespace purzo
