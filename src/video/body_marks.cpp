// SPDX-License-Identifier: MIT
#include "video/body_marks.h"

namespace purzo {
namespace {

constexpr std::array<std::string_view, kJointCount> kNames{"head", "shoulder", "elbow", "hand",
                                                           "hip",  "knee",     "foot"};

} // namespace

std::string_view JointName(Joint joint) {
    return kNames[std::size_t(joint)];
}

std::optional<Joint> ParseJoint(std::string_view name) {
    for (const Joint j : kJoints) {
        if (JointName(j) == name) {
            return j;
        }
    }
    return std::nullopt;
}

int MarkedCount(const FrameMarks& marks) {
    int n = 0;
    for (const auto& m : marks) {
        n += m.has_value();
    }
    return n;
}

} // namespace purzo
