// SPDX-License-Identifier: MIT
// The portable path finds the shortest digits with printf's %.*e and strtod, both asked in a
// way that the C locale's decimal point cannot change.
#include "flight/number_text.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace purzo {
namespace {

// printf and strtod use the C library's locale for the decimal point.
char LocaleDecimalPoint() {
    const std::lconv* conv = std::localeconv();
    return conv && conv->decimal_point && conv->decimal_point[0] ? conv->decimal_point[0] : '.';
}

std::optional<double> Strtod(std::string text) {
    const char point = LocaleDecimalPoint();
    for (char& c : text) {
        if (c == '.') {
            c = point;
        }
    }
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    // ERANGE also flags a result that is merely subnormal; only overflow and underflow to
    // zero are out of range.
    const bool outOfRange = errno == ERANGE && (value == 0 || !std::isfinite(value));
    if (end != text.c_str() + text.size() || outOfRange || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The significant digits (no point) and the decimal exponent of the first one.
struct Digits {
    std::string digits;
    int exponent = 0;
};

std::string AsScientific(const Digits& d) {
    return d.digits.substr(0, 1) + "." + d.digits.substr(1) + "e" + std::to_string(d.exponent);
}

bool ReadsBackTo(const Digits& d, double magnitude) {
    const auto back = Strtod(AsScientific(d));
    return back && *back == magnitude;
}

// The digits one unit above or below in the last place, the exponent moving on a carry.
Digits Neighbour(const Digits& d, int step) {
    std::uint64_t n = std::stoull(d.digits);
    const std::size_t length = d.digits.size();
    n = step > 0 ? n + 1 : n - 1;
    Digits out{std::to_string(n), d.exponent};
    if (out.digits.size() > length) { // 99…9 + 1
        out.digits.pop_back();
        ++out.exponent;
    } else if (out.digits.size() < length) { // 10…0 − 1
        out.digits += '9';
        --out.exponent;
    }
    return out;
}

Digits ShortestDigits(double magnitude) {
    char buffer[64];
    for (int precision = 0; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision, magnitude);
        const std::string text = buffer;
        const auto e = text.find('e');
        Digits d;
        d.exponent = std::atoi(text.c_str() + e + 1);
        for (std::size_t i = 0; i < e; ++i) {
            if (text[i] >= '0' && text[i] <= '9') {
                d.digits += text[i];
            }
        }
        // The nearest digits of this length first; where they miss, a neighbour may still read
        // back, and the shortest such digits are what std::to_chars prints (the nearer of two).
        std::optional<Digits> found;
        if (ReadsBackTo(d, magnitude)) {
            found = d;
        } else if (precision > 0) {
            const Digits below = Neighbour(d, -1), above = Neighbour(d, +1);
            const bool belowOk = ReadsBackTo(below, magnitude);
            const bool aboveOk = ReadsBackTo(above, magnitude);
            if (belowOk && aboveOk) {
                const long double exact = magnitude;
                const long double lo = std::strtold(AsScientific(below).c_str(), nullptr);
                const long double hi = std::strtold(AsScientific(above).c_str(), nullptr);
                found = exact - lo <= hi - exact ? below : above;
            } else if (belowOk || aboveOk) {
                found = belowOk ? below : above;
            }
        }
        if (found) {
            while (found->digits.size() > 1 && found->digits.back() == '0') {
                found->digits.pop_back();
            }
            return *found;
        }
    }
    return {"0", 0};
}

std::string Fixed(const Digits& d) {
    const int n = int(d.digits.size());
    if (d.exponent < 0) {
        return "0." + std::string(std::size_t(-d.exponent - 1), '0') + d.digits;
    }
    if (d.exponent + 1 >= n) {
        return d.digits + std::string(std::size_t(d.exponent + 1 - n), '0');
    }
    return d.digits.substr(0, std::size_t(d.exponent + 1)) + "." +
           d.digits.substr(std::size_t(d.exponent + 1));
}

std::string Scientific(const Digits& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        // Appended in two steps: GCC 12 at -O3 misreads '"." + string&&' as an overlapping copy.
        text += '.';
        text.append(d.digits, 1);
    }
    const int e = d.exponent < 0 ? -d.exponent : d.exponent;
    text += d.exponent < 0 ? "e-" : "e+";
    if (e < 10) {
        text += '0';
    }
    return text + std::to_string(e);
}

// Digits with at most one period, at least one digit.
bool IsPlainDecimal(std::string_view text) {
    bool digit = false;
    int points = 0;
    for (const char c : text) {
        const bool isDigit = c >= '0' && c <= '9';
        if (!isDigit && c != '.') {
            return false;
        }
        digit = digit || isDigit;
        points += c == '.';
    }
    return digit && points <= 1;
}

} // namespace

std::string PortableShortestDoubleText(double value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) {
        return sign + "inf";
    }
    if (value == 0) {
        return sign + "0";
    }
    const Digits d = ShortestDigits(std::fabs(value));
    std::string fixed = Fixed(d);
    if (d.exponent + 1 > int(d.digits.size())) {
        // A whole number padded with zeros: of the texts of this length the exact one is the
        // nearest, and that is the one std::to_chars prints.
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(value));
        fixed = buffer;
    }
    const std::string scientific = Scientific(d);
    return sign + (scientific.size() < fixed.size() ? scientific : fixed);
}

std::string PlainDecimalText(double value) {
    if (!std::isfinite(value) || value <= 0) {
        return "0"; // negative zero too: "-0" is no number ReadPlainDecimal takes
    }
    const Digits d = ShortestDigits(value);
    if (d.exponent + 1 > int(d.digits.size())) {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer;
    }
    return Fixed(d);
}

std::optional<double> PortableReadPlainDecimal(std::string_view text) {
    if (!IsPlainDecimal(text)) {
        return std::nullopt;
    }
    return Strtod(std::string(text));
}

#if defined(__cpp_lib_to_chars)

std::string ShortestDoubleText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<double> ReadPlainDecimal(std::string_view text) {
    if (!IsPlainDecimal(text)) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

#else

std::string ShortestDoubleText(double value) {
    return PortableShortestDoubleText(value);
}

std::optional<double> ReadPlainDecimal(std::string_view text) {
    return PortableReadPlainDecimal(text);
}

#endif

std::string FixedText(double value, int decimals, char decimalPoint) {
    // An exact tie goes away from zero, as Qt's number formatting rounds it (0.125 turns read
    // "0,13"); the C library would round it to even. Far more digits than asked show whether
    // the double lies exactly halfway.
    char exact[400];
    std::snprintf(exact, sizeof exact, "%.*f", decimals + 40, value);
    const std::string_view digits(exact);
    const std::size_t point = digits.find_first_not_of("-0123456789");
    if (point != std::string_view::npos && digits[point + 1 + std::size_t(decimals)] == '5' &&
        digits.find_first_not_of('0', point + 2 + std::size_t(decimals)) ==
            std::string_view::npos) {
        value = std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    for (char& c : text) {
        // The C library writes its locale's separator; Qt sets the user's locale.
        if (c == '.' || c == ',') {
            c = decimalPoint;
        }
    }
    return text;
}

} // namespace purzo
