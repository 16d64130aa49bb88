// SPDX-License-Identifier: MIT
// Escaping, splitting and the lines' checksum.
#include "flight/log_line.h"

#include <array>
#include <charconv>

namespace purzo {
namespace {

constexpr std::size_t kChecksumDigits = 8;

constexpr std::array<std::uint32_t, 256> Crc32Table() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrc32Table = Crc32Table();

} // namespace

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos) {
            return parts;
        }
        start = at + 1;
    }
}

std::optional<int> WholeNumber(std::string_view text, int lo, int hi) {
    int value = 0;
    // from_chars takes a leading minus; a field of the log never has one.
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi) {
        return std::nullopt;
    }
    return value;
}

std::uint32_t Crc32(std::string_view bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char b : bytes) {
        c = kCrc32Table[(c ^ std::uint8_t(b)) & 0xFFu] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

std::string WithChecksum(std::string_view line) {
    char digits[kChecksumDigits + 1] = {};
    const std::uint32_t crc = Crc32(line);
    for (std::size_t i = 0; i < kChecksumDigits; ++i) {
        digits[i] = "0123456789abcdef"[(crc >> (4 * (kChecksumDigits - 1 - i))) & 0xFu];
    }
    std::string out(line);
    out += '\t';
    out += digits;
    return out;
}

std::optional<std::string_view> CheckedLine(std::string_view line) {
    if (line.size() < kChecksumDigits + 1 || line[line.size() - kChecksumDigits - 1] != '\t') {
        return std::nullopt;
    }
    const std::string_view body = line.substr(0, line.size() - kChecksumDigits - 1);
    if (WithChecksum(body) != line) {
        return std::nullopt;
    }
    return body;
}

} // namespace purzo
