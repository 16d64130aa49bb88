// SPDX-License-Identifier: MIT
// The figure's seven points as a student marks them on a video frame, in the video's pixels.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace purzo {

// The figure's own points, in the order the marking offers them.
enum class Joint { Head, Shoulder, Elbow, Hand, Hip, Knee, Foot };
inline constexpr int kJointCount = 7;
inline constexpr std::array<Joint, kJointCount> kJoints{
    Joint::Head, Joint::Shoulder, Joint::Elbow, Joint::Hand, Joint::Hip, Joint::Knee, Joint::Foot};

// "head", "shoulder", …, "foot": the command line's and the marks file's names.
std::string_view JointName(Joint joint);
std::optional<Joint> ParseJoint(std::string_view name);

// A point in the video frame: pixels from the top left, y downwards.
struct PixelPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// One frame's marks; a joint not seen is empty.
using FrameMarks = std::array<std::optional<PixelPoint>, kJointCount>;

inline std::optional<PixelPoint>& MarkOf(FrameMarks& marks, Joint joint) {
    return marks[std::size_t(joint)];
}
inline const std::optional<PixelPoint>& MarkOf(const FrameMarks& marks, Joint joint) {
    return marks[std::size_t(joint)];
}
int MarkedCount(const FrameMarks& marks);

} // namespace purzo
