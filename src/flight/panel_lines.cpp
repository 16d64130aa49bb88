// SPDX-License-Identifier: MIT
// The panel's lines, without a toolkit: the front ends translate and fill them.
#include "flight/panel_lines.h"

#include "flight/flight_record.h"

#include <cmath>
#include <cstdio>
#include <string_view>

// lupdate collects the texts marked so; the front ends translate them in the canvas's context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace purzo {
namespace {

const char* PartSource(BodyPart part) {
    switch (part) {
    case BodyPart::Hip:
        return QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hüfte");
    case BodyPart::Shoulder:
        return QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Schulter");
    case BodyPart::Elbow:
        return QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Ellbogen");
    case BodyPart::Hand:
        return QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hand");
    case BodyPart::Knee:
        return QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Knie");
    case BodyPart::Foot:
        return QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Fuß");
    case BodyPart::Neck:
        return QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hals");
    case BodyPart::Head:
        return QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Kopf");
    }
    return "";
}

// As a shortest general number with six significant digits, the classic model's whole degrees.
std::string GeneralText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

PanelArg Number(double value, int decimals, char decimalPoint) {
    return {FixedText(value, decimals, decimalPoint)};
}

} // namespace

std::string FixedText(double value, int decimals, char decimalPoint) {
    // An exact tie goes away from zero, as Qt's number formatting rounds it (0.125 turns read
    // "0,13"); the C library would round it to even. Far more digits than asked show whether
    // the double lies exactly halfway.
    char exact[400];
    std::snprintf(exact, sizeof exact, "%.*f", decimals + 40, value);
    const std::string_view digits(exact);
    const std::size_t point = digits.find_first_not_of("-0123456789");
    if (point != std::string_view::npos && digits[point + 1 + std::size_t(decimals)] == '5' &&
        digits.find_first_not_of('0', point + 2 + std::size_t(decimals)) ==
            std::string_view::npos) {
        value = std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    for (char& c : text) {
        // The C library writes its locale's separator; Qt sets the user's locale.
        if (c == '.' || c == ',') {
            c = decimalPoint;
        }
    }
    return text;
}

PanelLines PanelLinesFor(const FrameResult& f, Model model, char decimalPoint) {
    const bool exact = model == Model::Exact;
    auto number = [decimalPoint](double value, int decimals = 2) {
        return Number(value, decimals, decimalPoint);
    };
    PanelArg posture{std::to_string(f.posture)};
    if (f.posture == 1) {
        posture.source = QT_TRANSLATE_NOOP("purzo::CanvasWidget", "%1 gestreckt");
    } else if (f.posture == 7) {
        posture.source = QT_TRANSLATE_NOOP("purzo::CanvasWidget", "%1 gehockt");
    }
    const PanelArg rotation =
        exact ? number(f.rotationDeg, 1) : PanelArg{GeneralText(f.rotationDeg)};
    PanelLines out;
    out.lines = {
        {exact ? QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Modell: exakt")
               : QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Modell: klassisch"),
         {}},
        {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Zeit: %1 s"), {number(f.timeS)}},
        {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Weite: %1 m"), {number(f.flightX)}},
        {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Höhe: %1 m"), {number(CentreHeightM(f))}},
        {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Drehung: %1° (%2 Umdrehungen)"),
         {rotation, number(TurnsOf(f))}},
        {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Haltung: %1"), {posture}},
    };
    if (exact) {
        out.lines.push_back(
            {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Winkelgeschwindigkeit: %1 °/s"),
             {number(f.omegaDegPerS, 1)}});
        out.lines.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Trägheitsmoment: %1 kg·m²"),
                             {number(f.inertiaKgM2)}});
        out.lines.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Drehimpuls: %1 kg·m²/s"),
                             {number(f.angularMomentumKgM2PerS)}});
    }
    if (f.lastFrame) {
        out.lines.push_back(
            {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Flugzeit: %1 s"), {number(f.timeS)}});
        out.lines.push_back(
            {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Weite: %1 m"), {number(f.flightX)}});
        out.lines.push_back({QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Bilder: %1"),
                             {PanelArg{std::to_string(f.frame)}}});
        out.landingLines = 3;
        if (exact && f.landed) {
            const PanelArg part{"", PartSource(f.lowestPart)};
            out.lines.push_back(
                {QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Erster Bodenkontakt: %1"), {part}});
            ++out.landingLines;
        }
    }
    return out;
}

FrameResult WidestPanelFrame() {
    FrameResult widest;
    widest.rotationDeg = 7350.5;
    widest.omegaDegPerS = 9999.9;
    widest.posture = 7;
    widest.frame = 245;
    widest.lastFrame = widest.landed = true;
    widest.lowestPart = BodyPart::Shoulder;
    return widest;
}

} // namespace purzo
