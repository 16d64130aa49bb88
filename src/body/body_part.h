// SPDX-License-Identifier: MIT
// The one vocabulary of the body's parts: the six segments in the order the figure is built, the
// head, and the joints that can touch the ground. Every list, table and name of a part uses it.
#pragma once

#include <array>
#include <cstddef>

namespace purzo {

enum class BodyPart {
    // The segments, as the figure stores them.
    Trunk,
    UpperArm,
    Forearm,
    Thigh,
    Shank,
    Neck,
    // The head circle: a part with mass, and by its rim a point of contact.
    Head,
    // The joints, each the end of a segment.
    Hip,
    Shoulder,
    Elbow,
    Hand,
    Knee,
    Foot,
};

inline constexpr std::size_t kSegmentCount = 6; // Trunk to Neck
inline constexpr std::size_t kBodyPartCount = 13;

// The points that can touch the ground first, in the order a tie is decided: the joints, the
// neck's end, then the head's rim.
inline constexpr std::array<BodyPart, 8> kContactParts{
    BodyPart::Hip,  BodyPart::Shoulder, BodyPart::Elbow, BodyPart::Hand,
    BodyPart::Knee, BodyPart::Foot,     BodyPart::Neck,  BodyPart::Head};

// "hip", "shoulder", … as the trace tool writes a part.
const char* BodyPartCode(BodyPart part);
// "Hüfte", "Schulter", …: the German name the front ends translate in the canvas's context.
const char* BodyPartSource(BodyPart part);
// "hip", "upper arm", …: the English name, for what is written without Qt (the workbooks).
const char* BodyPartEnglish(BodyPart part);

} // namespace purzo
