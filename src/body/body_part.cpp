// SPDX-License-Identifier: MIT
// Each part's two names side by side, so that a file and the screen never name a part apart.
#include "body/body_part.h"

// lupdate collects the texts marked so; the front ends translate them in the canvas's context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace purzo {
namespace {

struct Names {
    const char* code;
    const char* source;
};

constexpr std::array<Names, kBodyPartCount> kNames{{
    {"trunk", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Rumpf")},
    {"upperArm", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Oberarm")},
    {"forearm", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Unterarm")},
    {"thigh", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Oberschenkel")},
    {"shank", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Unterschenkel")},
    {"neck", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hals")},
    {"head", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Kopf")},
    {"hip", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hüfte")},
    {"shoulder", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Schulter")},
    {"elbow", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Ellbogen")},
    {"hand", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hand")},
    {"knee", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Knie")},
    {"foot", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Fuß")},
}};

} // namespace

const char* BodyPartCode(BodyPart part) {
    return kNames.at(std::size_t(part)).code;
}

const char* BodyPartSource(BodyPart part) {
    return kNames.at(std::size_t(part)).source;
}

} // namespace purzo
