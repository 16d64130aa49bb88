// SPDX-License-Identifier: MIT
// The window as designed, as plain data: every control's name, kind, rectangle in twips, text in
// the source language (German), font, colour and tab index. The desktop window is built from it;
// the picture generator and other front ends read it too.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace purzo {

// 15 twips make one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

enum class ControlKind { Label, Canvas, ScrollBar, TextBox, Button, Frame, Option, PictureBox };

// The window's three type faces; the window finds stand-ins where they are missing.
enum class Face { MsSansSerif, Arial, ArialBlack };

struct FontDesign {
    Face face;
    double pointSize;
    bool bold; // weight 700
};
// What controls that name no font use.
inline constexpr FontDesign kDefaultFont{Face::MsSansSerif, 8.25, false};

// 0xRRGGBB; kSystemColour keeps the desktop's colour.
using Rgb = std::int32_t;
inline constexpr Rgb kSystemColour = -1;
inline constexpr Rgb kBlue = 0x0000ff;
inline constexpr Rgb kRed =
    0xc80000; // the warning: 5:1 on the window's grey, as small bold text needs
inline constexpr Rgb kWhite = 0xffffff;

struct TwipsRect {
    int left, top, width, height; // relative to the container's client area
};

struct ControlDesign {
    const char* name;
    ControlKind kind;
    TwipsRect rect;
    // German, the source language; translated where shown. Empty where the window fills the
    // text from the model's numbers (the take-off boxes, the hidden height box).
    const char* text;
    FontDesign font;
    Rgb colour = kSystemColour;     // text colour
    Rgb background = kSystemColour; // labels only
    bool centred = false;
    int tabIndex = 0;
    bool inFrame = false; // its container is Frame1, not the window
};

// Labels first (they lie beneath every other control), then the windowed controls from back to
// front, so that each created in this order stands in front of the ones before it.
std::span<const ControlDesign> ControlTable();

// The entry of that name; every name the window uses is in the table.
const ControlDesign& ControlNamed(std::string_view name);

// The client area that shows every control whole at scale 1, pixels.
inline constexpr int kDesignClientWidthPx = 1097;
inline constexpr int kDesignClientHeightPx = 777;

} // namespace purzo
