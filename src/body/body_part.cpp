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
    const char* english;
};

constexpr std::array<Names, kBodyPartCount> kNames{{
    {"trunk", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Rumpf"), "trunk"},
    {"upperArm", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Oberarm"), "upper arm"},
    {"forearm", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Unterarm"), "forearm"},
    {"thigh", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Oberschenkel"), "thigh"},
    {"shank", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Unterschenkel"), "shank"},
    {"neck", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hals"), "neck"},
    {"head", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Kopf"), "head"},
    {"hip", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hüfte"), "hip"},
    {"shoulder", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Schulter"), "shoulder"},
    {"elbow", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Ellbogen"), "elbow"},
    {"hand", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Hand"), "hand"},
    {"knee", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Knie"), "knee"},
    {"foot", QT_TRANSLATE_NOOP("purzo::CanvasWidget", "Fuß"), "foot"},
}};

} // namespace

const char* BodyPartCode(BodyPart part) {
    return kNames.at(std::size_t(part)).code;
}

const char* BodyPartSource(BodyPart part) {
    return kNames.at(std::size_t(part)).source;
}

const char* BodyPartEnglish(BodyPart part) {
    return kNames.at(std::size_t(part)).english;
}

} // namespace purzo
