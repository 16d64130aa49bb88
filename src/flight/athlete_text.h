// SPDX-License-Identifier: MIT
// The athlete's values as they are typed and as they are shown.
#pragma once

#include "body/athlete.h"

#include <optional>
#include <string>
#include <string_view>

namespace purzo {

// A typed value (a comma or a period as the decimal separator) inside its range; nothing for
// anything else.
std::optional<double> ReadAthleteValue(std::string_view text, const AthleteRange& range);

// The values as the panel, the caption and the log write them: "50", "1,60", "170", "12"; mass,
// spin and limb speed to one decimal where they have one, the height to two.
std::string MassText(double massKg, char decimalPoint);
std::string HeightText(double bodyHeightM, char decimalPoint);
std::string SpinText(double spinDegPerS, char decimalPoint);
std::string LimbSpeedText(double limbSpeedRadPerS, char decimalPoint);
// The same for value `which` (0 mass, 1 height, 2 spin, 3 limb speed).
std::string AthleteValueText(int which, double value, char decimalPoint);

} // namespace purzo
