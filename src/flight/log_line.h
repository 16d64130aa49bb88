// SPDX-License-Identifier: MIT
// The pieces of a log file's line: tab-separated fields with their texts escaped, ending in a
// checksum of the line, so that a line changed by a flipped bit or a hand is told from a whole one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace purzo {

// Backslash, tab, line feed and carriage return escaped, so that a field stays on its line.
std::string Escaped(std::string_view text);
// The text an escaped field stands for; nothing for a stray backslash.
std::optional<std::string> Unescaped(std::string_view text);

std::vector<std::string_view> SplitAt(std::string_view text, char separator);

// A whole number of plain digits in [lo, hi]; nothing for anything else.
std::optional<int> WholeNumber(std::string_view text, int lo, int hi);

// CRC-32 (the polynomial of zip and PNG) of `bytes`.
std::uint32_t Crc32(std::string_view bytes);

// `line` with a tab and its checksum (eight lowercase hex digits) appended.
std::string WithChecksum(std::string_view line);
// The line without its checksum where the checksum matches; nothing where it is missing or
// does not match.
std::optional<std::string_view> CheckedLine(std::string_view line);

} // namespace purzo
