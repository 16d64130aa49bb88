// SPDX-License-Identifier: MIT
// The window's labels: where they stand, what they say and how they look.
#pragma once

#include "window/fonts.h"

#include <QColor>
#include <QtGlobal>
#include <span>

namespace purzo {

struct LabelDesign {
    const char* name;
    int left, top, width, height; // twips
    const char* text;             // UTF-8, German; translated when shown
    Face face;
    double pointSize;
    bool bold;
    bool centred;
    QRgb colour;         // text colour; 0 keeps the system's button-text colour
    QRgb background = 0; // 0 keeps the window's background
};

inline constexpr QRgb kBlue = 0xff0000ff;
inline constexpr QRgb kRed = 0xffff0000;
inline constexpr QRgb kWhite = 0xffffffff;
inline constexpr QRgb kSystemText = 0;

std::span<const LabelDesign> LabelTable();

// The footer's attribution line; its background is white.
inline constexpr const char* kAttributionText =
    QT_TRANSLATE_NOOP("purzo::PurzoWindow", "Ein Lehrprogramm zur Sportbiomechanik");

} // namespace purzo
