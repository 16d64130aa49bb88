// SPDX-License-Identifier: MIT
// The stick figure seen from the side: one arm, one leg, six segments and a round head.
#pragma once

#include "body/body_part.h"
#include "body/point.h"

#include <array>
#include <cstddef>

namespace purzo {

// A shared joint is stored in both segments that meet there.
struct Figure {
    std::array<Segment, kSegmentCount> segments{};
    Point head;            // centre of the head circle
    double headRadius = 0; // canvas units, as the figure's lengths were

    // A segment, Trunk to Neck.
    const Segment& operator[](BodyPart id) const { return segments.at(std::size_t(id)); }
    Segment& operator[](BodyPart id) { return segments.at(std::size_t(id)); }

    Point hip() const { return (*this)[BodyPart::Trunk].from; }
    Point shoulder() const { return (*this)[BodyPart::Trunk].to; }
    Point elbow() const { return (*this)[BodyPart::UpperArm].to; }
    Point hand() const { return (*this)[BodyPart::Forearm].to; }
    Point knee() const { return (*this)[BodyPart::Thigh].to; }
    Point foot() const { return (*this)[BodyPart::Shank].to; }
    Point neckEnd() const { return (*this)[BodyPart::Neck].to; } // bottom of the head

    friend bool operator==(const Figure&, const Figure&) = default;
};

} // namespace purzo
