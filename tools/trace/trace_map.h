// SPDX-License-Identifier: MIT
// purzo-trace's maps: every cell of a landing map as one CSV row, or the map's best plans.
#pragma once

#include "flight/landing_map.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace purzo {

// Why the request's plan cannot be flown on a speed × angle map; nothing when it can.
std::optional<std::string> MapPlanError(const MapRequest& request);

void PrintLandingMap(const MapRequest& request, bool best, std::ostream& out);

} // namespace purzo
