// SPDX-License-Identifier: MIT
// The window's three type faces, each with metric-compatible stand-ins for machines without it.
#pragma once

#include "design/control_table.h"

#include <QFont>

namespace purzo {

// Size in points; bold is weight 700. Arial Black asks for the heaviest weight of its stand-in.
QFont MakeFont(const FontDesign& design);

// The window's default: MS Sans Serif 8.25 pt regular.
QFont DefaultFont();

} // namespace purzo
