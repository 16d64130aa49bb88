// SPDX-License-Identifier: MIT
// Where a video flight came from: the student's film and what the fit read off it. The flight
// itself is the exact model's, flown from that take-off.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace purzo {

struct VideoSource {
    std::string fileName;  // the video's name, without its folder
    double speedMPerS = 0; // as fitted, before the model's ranges held it
    double angleDeg = 0;
    double spinDegPerS = 0;
    double takeoffHeightM = 0;
    double gravityMPerS2 = 0;       // from the parabola with g free
    double centreResidualM = 0;     // RMS
    double rotationResidualDeg = 0; // RMS

    friend bool operator==(const VideoSource&, const VideoSource&) = default;
};

// In a log file: the name escaped, then the seven values, separated by tabs.
inline constexpr std::size_t kVideoSourceFields = 8;
std::string VideoSourceFields(const VideoSource& video);
// From fields[at] on; nothing when a field is not what VideoSourceFields writes.
std::optional<VideoSource> ReadVideoSource(const std::vector<std::string_view>& fields,
                                           std::size_t at);

} // namespace purzo
