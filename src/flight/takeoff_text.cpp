// SPDX-License-Identifier: MIT
// Locale-independent number reading: the plain decimal is read without the user's locale.
#include "flight/takeoff_text.h"

#include "flight/number_text.h"

#include <cmath>
#include <string>

namespace purzo {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The reading takes no sign; it is applied here instead.
std::optional<double> ToDouble(const std::string& unsignedNumber, bool negative) {
    const std::optional<double> value = ReadPlainDecimal(unsignedNumber);
    if (!value) {
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

} // namespace

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
