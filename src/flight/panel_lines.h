// SPDX-License-Identifier: MIT
// "Flugdaten": the lines of the data panel for one frame, as German source texts with their
// numbers already written. Each front end translates the texts in the canvas's translation
// context and fills in the arguments, so that the desktop window and the page show the same.
#pragma once

#include "body/athlete.h"
#include "flight/frame_step.h"
#include "flight/model.h"
#include "flight/pace.h"

#include <span>
#include <string>
#include <vector>

namespace purzo {

// The translation context of the panel's texts.
inline constexpr const char* kPanelContext = "purzo::CanvasWidget";

// An argument: a number already written, or a text to translate (a part's name, or "%1 gehockt"
// with `text` filled into it).
struct PanelArg {
    std::string text;
    const char* source = nullptr;
};

struct PanelText {
    const char* source; // German, with %1, %2 for the arguments
    std::vector<PanelArg> args;
};

struct PanelLines {
    std::vector<PanelText> lines;
    int landingLines = 0; // the last ones, after a gap: the landed flight's summary
};

struct Landing;

// The landing's verdict as a sentence, e.g. "Landung auf den Füßen nach 1 Salto, aufrecht (+7°)",
// its degrees whole and measured from the nearest whole number of somersaults; the panel's last
// line, and the line under the canvas after a landing.
PanelText VerdictText(const Landing& landing, char decimalPoint);

// The worksheet picture's first caption line: "6 m/s, 60°, Zeitlupe, exaktes Modell", the
// take-off as it was typed, and the athlete where she is not the standard one.
PanelText CaptionTakeOffText(const std::string& speedText, const std::string& angleText, Pace pace,
                             Model model, const Athlete& athlete, char decimalPoint);

// "Athlet: 50 kg, 1,60 m, 170 °/s, 12 rad/s".
PanelText AthleteLineText(const Athlete& athlete, char decimalPoint);

// The worksheet picture's second caption line, in parts: the tuck ("Hocken ab 0,12 s, 1,12 s
// lang" or "Ohne Hocken") and, for a flight that landed, its verdict.
std::vector<PanelText> CaptionLandingTexts(std::span<const FrameResult> frames, char decimalPoint);

// What a screen reader is told of the frame on the canvas: "Bild 12, 0,65 s: Höhe 1,71 m,
// Drehung 110,5°, Haltung 7 gehockt", and for a landed flight its verdict after it.
std::vector<PanelText> FrameDescriptionTexts(const FrameResult& frame, Model model,
                                             char decimalPoint);

// The lines for a frame of a flight in `model` with `athlete` (named when she is not the
// standard one); numbers use `decimalPoint` and no grouping.
PanelLines PanelLinesFor(const FrameResult& frame, Model model, const Athlete& athlete,
                         char decimalPoint);

// The frame a flight's panel can be widest at: its landing, with wide numbers. The panel's
// corner is chosen for a box of this size.
FrameResult WidestPanelFrame();

} // namespace purzo
