// SPDX-License-Identifier: MIT
// Reading numbers from the texts the user types or the window is designed with.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace purzo {

// The number that begins the text (leading blanks skipped, optional sign, digits, at most one
// period, optional exponent; reading stops at the first character that does not fit), rounded
// to the nearest integer with ties to even. A text that does not begin with a number gives 0;
// values beyond the 16-bit range are held at its ends.
std::int16_t LeadingNumberAsInt16(std::string_view text);

// A take-off text: surrounding blanks, an optional sign, decimal digits with at most one decimal
// separator, which may be a comma or a period in every locale. No thousands separators, no
// exponent. Anything else, and anything that does not fit a finite double, is not a number.
std::optional<double> ParseTakeoffNumber(std::string_view text);

} // namespace purzo
