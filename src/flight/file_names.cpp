// SPDX-License-Identifier: MIT
// Suggested file names.
#include "flight/file_names.h"

#include <cstdio>

namespace purzo {
namespace {

constexpr std::size_t kMostNameBytes = 40;

// The take-off as typed, only its digits and signs: "7,5", not "7,5 m/s".
std::string Number(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if ((c >= '0' && c <= '9') || c == ',' || c == '.' || c == '-' || c == '+') {
            kept += c;
        }
    }
    return kept.substr(0, 20);
}

} // namespace

std::string FileNamePart(std::string_view text) {
    std::string out;
    bool gap = false;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool unsafe = u < 0x20 || u == 0x7f || c == ' ' ||
                            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        if (unsafe) {
            gap = !out.empty();
            continue;
        }
        if (gap) {
            out += '-';
            gap = false;
        }
        out += c;
    }
    if (out.size() > kMostNameBytes) {
        std::size_t end = kMostNameBytes;
        // Back to the start of a UTF-8 character.
        while (end > 0 && (static_cast<unsigned char>(out[end]) & 0xc0) == 0x80) {
            --end;
        }
        out.resize(end);
        while (!out.empty() && (out.back() == '-' || out.back() == '.')) {
            out.pop_back();
        }
    }
    return out;
}

std::string FlightFileName(const FlightNaming& f, std::string_view extension) {
    std::string name = "flug";
    if (f.number > 0) {
        char number[16];
        std::snprintf(number, sizeof number, "-%02d", f.number);
        name += number;
    }
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "text" + string.
    name.append("-").append(Number(f.speedText)).append("ms-");
    name.append(Number(f.angleText)).append("grad");
    name += f.model == Model::Exact ? "-exakt" : "-klassisch";
    const std::string group = FileNamePart(f.group);
    if (!group.empty()) {
        name += "-" + group;
    }
    return name + "." + std::string(extension);
}

std::string LogFileName(std::string_view group, std::string_view date, std::string_view extension) {
    std::string name = "flugprotokoll";
    const std::string part = FileNamePart(group);
    if (!part.empty()) {
        name += "-" + part;
    }
    return name + "-" + FileNamePart(date) + "." + std::string(extension);
}

} // namespace purzo
