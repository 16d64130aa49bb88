// SPDX-License-Identifier: MIT
#include "flight/video_source.h"

#include "flight/log_line.h"
#include "flight/number_text.h"

#include <array>
#include <cmath>

namespace purzo {

std::string VideoSourceFields(const VideoSource& v) {
    std::string line = Escaped(v.fileName);
    for (const double value : {v.speedMPerS, v.angleDeg, v.spinDegPerS, v.takeoffHeightM,
                               v.gravityMPerS2, v.centreResidualM, v.rotationResidualDeg}) {
        line += '\t';
        line += PlainDecimalText(value);
    }
    return line;
}

std::optional<VideoSource> ReadVideoSource(const std::vector<std::string_view>& f, std::size_t at) {
    if (f.size() < at + kVideoSourceFields) {
        return std::nullopt;
    }
    const auto name = Unescaped(f[at]);
    std::array<double, kVideoSourceFields - 1> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = ReadPlainDecimal(f[at + 1 + i]);
        if (!value || !std::isfinite(*value)) {
            return std::nullopt;
        }
        values[i] = *value;
    }
    if (!name) {
        return std::nullopt;
    }
    return VideoSource{*name,     values[0], values[1], values[2],
                       values[3], values[4], values[5], values[6]};
}

} // namespace purzo
