// SPDX-License-Identifier: MIT
// How a landing map shows its cells' classes in both front ends: a colour from a palette that
// colour-blind eyes tell apart (Okabe and Ito's), and a pattern, so that a class reads in grey
// and on a poor projector too.
#pragma once

#include "design/canvas_design.h"

namespace purzo {

enum class MapPattern { Plain, ForwardDiagonal, BackwardDiagonal, Cross, Dots };

struct MapClassStyle {
    Argb colour;
    MapPattern pattern;
};

// By the class's number: upright, too far, too short, not on the feet, on the feet still tucked.
MapClassStyle MapClassStyleOf(int mapClass);

inline constexpr Argb kMapMarkerColour = 0xff000000; // a logged flight's ring and label

} // namespace purzo
