// SPDX-License-Identifier: MIT
// The window's three type faces, each with metric-compatible stand-ins for machines without it.
#pragma once

#include <QFont>

namespace purzo {

enum class Face { MsSansSerif, Arial, ArialBlack };

// Size in points; bold is weight 700. Arial Black asks for the heaviest weight of its stand-in.
QFont MakeFont(Face face, double pointSize, bool bold);

// The window's default: MS Sans Serif 8.25 pt regular.
QFont DefaultFont();

} // namespace purzo
