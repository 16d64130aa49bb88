// SPDX-License-Identifier: MIT
// Doubles to text and back, never through the user's locale: the shortest text that reads back
// to the same double, with a period, and the reading of a plain decimal number. Where the
// standard library has floating-point std::to_chars/std::from_chars they do the work; the
// portable versions serve standard libraries without them (WebAssembly's) and print exactly
// what std::to_chars prints.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace purzo {

// What std::to_chars(double) prints: the fewest significant digits that read back to the same
// double, in fixed or scientific notation, whichever is shorter (fixed on a tie).
std::string ShortestDoubleText(double value);
// The shortest digits that read back to the same double, always as a plain decimal (no exponent,
// no sign on zero): what ReadPlainDecimal reads back exactly, for files a reader must take. For a
// finite value that is not negative; nothing else is written this way.
std::string PlainDecimalText(double value);
// A whole text of digits with at most one period (no sign, no exponent) as a finite double;
// nothing for anything else.
std::optional<double> ReadPlainDecimal(std::string_view text);

// A number with `decimals` places after `decimalPoint`, rounded to nearest, an exact tie away
// from zero: as the panel, the log and the workbooks show it, whatever the user's locale.
std::string FixedText(double value, int decimals, char decimalPoint);

// The portable versions, built everywhere so that they can be checked against the standard's.
std::string PortableShortestDoubleText(double value);
std::optional<double> PortableReadPlainDecimal(std::string_view text);

} // namespace purzo
