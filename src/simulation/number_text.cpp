// SPDX-License-Identifier: MIT
// Locale-independent number reading: std::from_chars never looks at the user's locale.
#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace purzo {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// from_chars takes no leading '+'; the sign is applied here instead.
std::optional<double> ToDouble(const std::string& unsignedNumber, bool negative) {
    double value = 0;
    const char* first = unsignedNumber.data();
    const char* last = first + unsignedNumber.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

std::int16_t LeadingNumberAsInt16(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string number;
    bool anyDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
        number += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) {
            number += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0;
    }
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                exponent += text[j++];
            }
            number += exponent;
        }
    }
    if (number.front() == '.') {
        number.insert(number.begin(), '0');
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small underflows to 0, too large is held at the 16-bit ends below.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    }
    if (negative) {
        value = -value;
    }
    const double rounded = std::nearbyint(value);
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    if (rounded < lo) {
        return std::numeric_limits<std::int16_t>::min();
    }
    if (rounded > hi) {
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<double> ParseTakeoffNumber(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    std::size_t i = begin;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string number;
    number.reserve(end - i + 1);
    bool anyDigit = false;
    bool separatorSeen = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            number += c;
            anyDigit = true;
        } else if ((c == ',' || c == '.') && !separatorSeen) {
            number += '.';
            separatorSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (number.front() == '.') {
        number.insert(number.begin(), '0');
    }
    return ToDouble(number, negative);
}

} // namespace purzo
