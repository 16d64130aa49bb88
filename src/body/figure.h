// SPDX-License-Identifier: MIT
// The stick figure seen from the side: one arm, one leg, six segments and a round head.
#pragma once

#include "body/point.h"

#include <array>
#include <cstddef>

namespace purzo {

// In the order the figure is built and its points are searched for the lowest one.
enum class SegmentId { Trunk, UpperArm, Forearm, Thigh, Shank, Neck };
inline constexpr std::size_t kSegmentCount = 6;

// A shared joint is stored in both segments that meet there.
struct Figure {
    std::array<Segment, kSegmentCount> segments{};
    Point head; // centre of the head circle

    const Segment& operator[](SegmentId id) const { return segments[std::size_t(id)]; }
    Segment& operator[](SegmentId id) { return segments[std::size_t(id)]; }

    Point hip() const { return (*this)[SegmentId::Trunk].from; }
    Point shoulder() const { return (*this)[SegmentId::Trunk].to; }
    Point elbow() const { return (*this)[SegmentId::UpperArm].to; }
    Point hand() const { return (*this)[SegmentId::Forearm].to; }
    Point knee() const { return (*this)[SegmentId::Thigh].to; }
    Point foot() const { return (*this)[SegmentId::Shank].to; }
    Point neckEnd() const { return (*this)[SegmentId::Neck].to; } // bottom of the head

    friend bool operator==(const Figure&, const Figure&) = default;
};

} // namespace purzo
