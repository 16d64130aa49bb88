// SPDX-License-Identifier: MIT
// Reading the take-off texts the user types.
#pragma once

#include <optional>
#include <string_view>

namespace purzo {

// A take-off text: surrounding blanks, an optional sign, decimal digits with at most one decimal
// separator, which may be a comma or a period in every locale. No thousands separators, no
// exponent. Anything else, and anything that does not fit a finite double, is not a number.
std::optional<double> ParseTakeoffNumber(std::string_view text);

} // namespace purzo
