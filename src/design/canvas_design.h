// SPDX-License-Identifier: MIT
// The canvas as designed, beyond its rectangle in the control table: its border, the figure's
// pen, the lesson tools' colours and sizes, and the whole-flight view. Both windows draw with it.
#pragma once

#include "design/control_table.h"

#include <cstdint>

namespace purzo {

inline constexpr int kCanvasBorderPx = 2;      // sunken border, at scale 1
inline constexpr int kFigurePenPx = 3;         // the figure's line, at scale 1
inline constexpr int kCanvasAreaWidthPx = 701; // the drawing area inside the border, at scale 1
inline constexpr int kCanvasAreaHeightPx = 533;

// The whole-flight view in canvas units: every figure the program can produce lies inside.
// x −38 … 270, y −25 … 185. Across every take-off, any postures and every athlete, drawn points
// reach x −34.1 (the tallest athlete early in a steep, slow flight, head rim included), x 268
// (the classic figure), y −21.9 (the tallest athlete's highest flights) and y 182.7 (the classic
// figure stretching out as it lands).
struct CanvasBox {
    double left, top, width, height;
};
inline constexpr CanvasBox kWholeView{-38, -25, 308, 210};

// The hall picture's ground line: its image row 533 is canvas y 150 in the designed view.
inline constexpr double kHallRowsPerGround = 533.0;

// 0xAARRGGBB
using Argb = std::uint32_t;
inline constexpr Argb kPathColour = 0xffdc3214;     // the centre of mass's path and markers
inline constexpr Argb kSequenceColour = 0x3c000000; // earlier frames, faintly
inline constexpr double kPathPenPx = 1.5;           // at scale 1
inline constexpr double kPathMarkerRadiusPx = 2.5;  // at scale 1

// Flights shown beside the current one, each in a style of its own that a grey print still tells
// apart: the Okabe–Ito colours, seen alike by colour-blind eyes, a marker shape and a dash
// pattern. The first is blue, as the previous flight always was.
enum class MarkerShape { Circle, Square, TriangleUp, Diamond, TriangleDown, Cross, Plus, Star };
enum class DashPattern { Solid, Dash, Dot, DashDot, LongDash, DashDotDot, ShortDash, LongDot };
struct FlightStyle {
    Argb colour;
    MarkerShape marker;
    DashPattern dash;
};
inline constexpr FlightStyle kShownFlightStyles[8]{
    {0xff0072b2, MarkerShape::Circle, DashPattern::Solid},          // blue
    {0xffd55e00, MarkerShape::Square, DashPattern::Dash},           // vermillion
    {0xff009e73, MarkerShape::TriangleUp, DashPattern::Dot},        // bluish green
    {0xffcc79a7, MarkerShape::Diamond, DashPattern::DashDot},       // reddish purple
    {0xffe69f00, MarkerShape::TriangleDown, DashPattern::LongDash}, // orange
    {0xff56b4e9, MarkerShape::Cross, DashPattern::DashDotDot},      // sky blue
    {0xfff0e442, MarkerShape::Plus, DashPattern::ShortDash},        // yellow
    {0xff000000, MarkerShape::Star, DashPattern::LongDot},          // black
};
inline constexpr double kShownMarkerRadiusPx = 3.5; // at scale 1
inline constexpr double kShownLabelPt = 11.0;       // the flight's number beside its figure

// The data panel: its font size and its margin, at scale 1, and its background.
inline constexpr double kPanelFontPt = 9.0;
inline constexpr double kPanelMarginPx = 6.0;
// In the presentation view the panel's and the verdict's text is this much larger than the
// canvas's scale makes it: the panel's capitals stand at least 24 px high at 1920 × 1080.
inline constexpr double kPresentationTextFactor = 1.6;
inline constexpr Argb kPanelBackground = 0xe1ffffff;
inline constexpr Argb kPanelBorder = 0xff787878;
// How far a drawn point can lie from the centre of mass, canvas units: the panel takes the top
// corner that the path widened by this covers less.
inline constexpr double kBodyReach = 33.1;

} // namespace purzo
