// SPDX-License-Identifier: MIT
// The panel's lines, without a toolkit: the front ends translate and fill them.
#include "flight/panel_lines.h"

#include "flight/athlete_text.h"
#include "flight/flight_record.h"
#include "flight/landing.h"
#include "flight/number_text.h"
#include "flight/quantities.h"

#include <cmath>
#include <cstdio>
#include <string_view>

// lupdate collects the texts marked so; the front ends translate them in the canvas's context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace purzo {
namespace {

// As a shortest general number with six significant digits, the classic model's whole degrees.
std::string GeneralText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

PanelArg Number(double value, int decimals, char decimalPoint) {
    return {FixedText(value, decimals, decimalPoint)};
}

// With a plus sign when positive, as an angle past upright reads; never "-0".
std::string SignedText(double value, int decimals, char decimalPoint) {
    std::string text = FixedText(value, decimals, decimalPoint);
    const bool zero = text.find_first_not_of("-0,.") == std::string::npos;
    if (zero && text.front() == '-') {
        text.erase(0, 1);
    } else if (!zero && value > 0) {
        text.insert(0, 1, '+');
    }
    return text;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\n\v\f\r");
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(" \t\n\v\f\r") - first + 1);
}

// "1 gestreckt", "4", "7 gehockt".
PanelArg PostureArg(const FrameResult& f) {
    PanelArg posture{std::to_string(f.posture)};
    if (f.posture == 1) {
        posture.source = QT_TRANSLATE_NOOP("purzo::CanvasWidget", "%1 gestreckt");
    } else if (f.posture == 7) {
        posture.source = QT_TRANSLATE_NOOP("purzo::CanvasWidget", "%1 gehockt");
    }
    return posture;
}

// The exact model's rotation to its decimals; the classic model's as its whole degrees.
PanelArg RotationArg(const FrameResult& f, Model model, char decimalPoint) {
    return model == Model::Exact
               ? Number(f.rotationDeg, InfoOf(Quantity::Rotation).decimals, decimalPoint)
               : PanelArg{GeneralText(f.rotationDeg)};
}

} // namespace

PanelText VerdictText(const Landing& landing, char decimalPoint) {
    const double a = landing.attitudeDeg;
    const PanelArg degrees{FixedText(std::abs(a), 0, decimalPoint)};
    // The whole somersaults the attitude is measured from: the nearest number of turns.
    const long turns = std::lround((landing.rotationDeg - a) / 360.0);
    const PanelArg somersaults{std::to_string(turns),
                               turns == 1 ? QT_TRANSLATE_NOOP("purzo::CanvasWidget", "%1 Salto")
                                          : QT_TRANSLATE_NOOP("purzo::CanvasWidget", "%1 Salti")};
    switch (landing.verdict) {
    case Verdict::Upright:
        return {QT_TRANSLATE_NOOP("purzo::CanvasWidget",
                                  "Landung auf den Füßen nach %1, aufrecht (%2°)"),
                {somersaults, {SignedText(a, 0, decimalPoint)}}};
    case Verdict::TooFar:
        return {QT_TRANSLATE_NOOP("purzo::CanvasWidget",
                                  "Auf den Füßen, aber %1° zu viel für %2: fällt nach vorn"),
                {degrees, somersaults}};
    case Verdict::TooShort:
        return {QT_TRANSLATE_NOOP("purzo::CanvasWidget",
                                  "Auf den Füßen, aber %1° zu wenig für %2: fällt nach hinten"),
                {degrees, somersaults}};
    case Verdict::NotOnFeet:
        break;
    }
    const PanelArg part{"", BodyPartSource(landing.firstContact)};
    // Whole degrees decide the wording too, so that "0°" never reads "short of" a somersault.
    if (degrees.text != FixedText(0, 0, decimalPoint) && a < 0) {
        return {QT_TRANSLATE_NOOP("purzo::CanvasWidget",
                                  "Keine Landung auf den Füßen: zuerst %1, %2° vor %3"),
                {part, degrees, somersaults}};
    }
    return {QT_TRANSLATE_NOOP("purzo::CanvasWidget",
                              "Keine Landung auf den Füßen: zuerst %1, %2° über %3"),
            {part, degrees, somersaults}};
}

PanelText AthleteLineText(const Athlete& a, char decimalPoint) {
    return {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Athlet: %1 kg, %2 m, %3 °/s, %4 rad/s"),
            {{MassText(a.massKg, decimalPoint)},
             {HeightText(a.bodyHeightM, decimalPoint)},
             {SpinText(a.spinDegPerS, decimalPoint)},
             {LimbSpeedText(a.limbSpeedRadPerS, decimalPoint)}}};
}

PanelText CaptionTakeOffText(const std::string& speedText, const std::string& angleText, Pace pace,
                             Model model, const Athlete& athlete, char decimalPoint) {
    const char* paceNames[] = {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Echtzeit"),
                               QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Zeitlupe"),
                               QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Extrem-Zeitlupe")};
    const char* modelName = model == Model::Exact
                                ? QT_TRANSLATE_NOOP("purzo::CanvasWidget", "exaktes Modell")
                                : QT_TRANSLATE_NOOP("purzo::CanvasWidget", "klassisches Modell");
    PanelText text{
        QT_TRANSLATE_NOOP("purzo::CanvasWidget", "%1 m/s, %2°, %3, %4"),
        {{Trimmed(speedText)}, {Trimmed(angleText)}, {"", paceNames[int(pace)]}, {"", modelName}}};
    if (model == Model::Exact && athlete != kStandardAthlete) {
        text.source = QT_TRANSLATE_NOOP("purzo::CanvasWidget",
                                        "%1 m/s, %2°, %3, %4, %5 kg, %6 m, %7 °/s, %8 rad/s");
        for (PanelArg& arg : AthleteLineText(athlete, decimalPoint).args) {
            text.args.push_back(std::move(arg));
        }
    }
    return text;
}

std::vector<PanelText> CaptionLandingTexts(std::span<const FrameResult> frames, char decimalPoint) {
    std::vector<PanelText> texts;
    if (frames.empty()) {
        return texts;
    }
    const Tuck tuck = TuckOf(frames);
    const int decimals = InfoOf(Quantity::TuckStart).decimals;
    if (tuck.startS) {
        texts.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hocken ab %1 s, %2 s lang"),
                         {Number(*tuck.startS, decimals, decimalPoint),
                          Number(tuck.tuckedS, decimals, decimalPoint)}});
    } else {
        texts.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Ohne Hocken"), {}});
    }
    if (const auto landing = LandingOf(frames.back())) {
        texts.push_back(VerdictText(*landing, decimalPoint));
    }
    return texts;
}

std::vector<PanelText> FrameDescriptionTexts(const FrameResult& f, Model model, char decimalPoint) {
    auto number = [decimalPoint](double value, Quantity quantity) {
        return Number(value, InfoOf(quantity).decimals, decimalPoint);
    };
    std::vector<PanelText> texts{
        {QT_TRANSLATE_NOOP("purzo::CanvasWidget",
                           "Bild %1, %2 s: Höhe %3 m, Drehung %4°, Haltung %5"),
         {{std::to_string(f.frame)},
          number(f.timeS, Quantity::Time),
          number(CentreHeightM(f), Quantity::Height),
          RotationArg(f, model, decimalPoint),
          PostureArg(f)}}};
    if (const auto landing = f.lastFrame ? LandingOf(f) : std::nullopt) {
        texts.push_back(VerdictText(*landing, decimalPoint));
    }
    return texts;
}

PanelLines PanelLinesFor(const FrameResult& f, Model model, const Athlete& athlete,
                         char decimalPoint) {
    const bool exact = model == Model::Exact;
    // Each number to the decimals its quantity is shown with.
    auto number = [decimalPoint](double value, Quantity quantity) {
        return Number(value, InfoOf(quantity).decimals, decimalPoint);
    };
    const PanelArg posture = PostureArg(f);
    const PanelArg rotation = RotationArg(f, model, decimalPoint);
    PanelLines out;
    out.lines = {
        {exact ? QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Modell: exakt")
               : QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Modell: klassisch"),
         {}},
    };
    if (exact && athlete != kStandardAthlete) {
        out.lines.push_back(AthleteLineText(athlete, decimalPoint));
    }
    out.lines.insert(out.lines.end(),
                     {
                         {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Zeit: %1 s"),
                          {number(f.timeS, Quantity::Time)}},
                         {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Weite: %1 m"),
                          {number(f.flightX, Quantity::Distance)}},
                         {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Höhe: %1 m"),
                          {number(CentreHeightM(f), Quantity::Height)}},
                         {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Drehung: %1° (%2 Umdrehungen)"),
                          {rotation, number(TurnsOf(f), Quantity::Turns)}},
                         {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Haltung: %1"), {posture}},
                     });
    if (exact) {
        // The balance at the frame's time: L = Iω + H, whatever the limbs do.
        out.lines.push_back(
            {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Winkelgeschwindigkeit ω: %1 °/s"),
             {number(f.omegaNowDegPerS, Quantity::OmegaNow)}});
        out.lines.push_back(
            {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Trägheitsmoment I: %1 kg·m²"),
             {number(f.inertiaKgM2, Quantity::Inertia)}});
        out.lines.push_back(
            {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Drehimpuls der Glieder H: %1 kg·m²/s"),
             {number(f.shapeMomentumKgM2PerS, Quantity::ShapeMomentum)}});
        out.lines.push_back(
            {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Drehimpuls L = Iω + H: %1 kg·m²/s"),
             {number(f.angularMomentumKgM2PerS, Quantity::Momentum)}});
        out.lines.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Rotationsenergie: %1 J"),
                             {number(f.rotationalEnergyJ, Quantity::Energy)}});
    }
    if (f.lastFrame) {
        out.lines.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Flugzeit: %1 s"),
                             {number(f.timeS, Quantity::Time)}});
        out.lines.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Weite: %1 m"),
                             {number(f.flightX, Quantity::Distance)}});
        out.lines.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Bilder: %1"),
                             {PanelArg{std::to_string(f.frame)}}});
        out.landingLines = 3;
        if (const auto landing = LandingOf(f)) {
            const PanelArg attitude =
                exact ? PanelArg{SignedText(landing->attitudeDeg,
                                            InfoOf(Quantity::Attitude).decimals, decimalPoint)}
                      : PanelArg{SignedText(landing->attitudeDeg, 0, decimalPoint)};
            const PanelArg part{"", BodyPartSource(landing->firstContact)};
            out.lines.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Umdrehungen: %1"),
                                 {number(TurnsOf(f), Quantity::Turns)}});
            out.lines.push_back(
                {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Lage bei der Landung: %1°"),
                 {attitude}});
            out.lines.push_back(
                {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Erster Bodenkontakt: %1"), {part}});
            out.lines.push_back(VerdictText(*landing, decimalPoint));
            out.landingLines += 4;
        }
    }
    return out;
}

FrameResult WidestPanelFrame() {
    FrameResult widest;
    // Turned far and landed on the shoulder, 179.5° short of upright: the longest verdict.
    widest.rotationDeg = 7380.5;
    widest.omegaNowDegPerS = -9999.9;
    widest.shapeMomentumKgM2PerS = -999.99;
    widest.angularMomentumKgM2PerS = 999.99;
    widest.rotationalEnergyJ = 99999.9;
    widest.posture = 7;
    widest.frame = 245;
    widest.lastFrame = widest.landed = true;
    widest.lowestPart = BodyPart::Shoulder;
    return widest;
}

} // namespace purzo
