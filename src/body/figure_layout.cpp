// SPDX-License-Identifier: MIT
// Arm from the shoulder, leg from the hip, neck and head above the shoulder.
#include "body/figure_layout.h"

namespace purzo {

Figure LayOutFigure(const Segment& trunk, const SegmentLengths& lengths,
                    const LimbDirections& limbs, double turn, double neckDirection) {
    Figure f;
    f[BodyPart::Trunk] = trunk;
    const Point elbow = SegmentEnd(trunk.to, lengths.upperArmLength, turn + limbs.upperArmAngle);
    f[BodyPart::UpperArm] = {trunk.to, elbow};
    f[BodyPart::Forearm] = {elbow,
                            SegmentEnd(elbow, lengths.forearmLength, turn + limbs.forearmAngle)};
    const Point knee = SegmentEnd(trunk.from, lengths.thighLength, turn + limbs.thighAngle);
    f[BodyPart::Thigh] = {trunk.from, knee};
    f[BodyPart::Shank] = {knee, SegmentEnd(knee, lengths.shankLength, turn + limbs.shankAngle)};
    const Point neckEnd = SegmentEnd(trunk.to, lengths.neckLength, neckDirection);
    f[BodyPart::Neck] = {trunk.to, neckEnd};
    f.head = SegmentEnd(neckEnd, lengths.headRadius, neckDirection);
    f.headRadius = lengths.headRadius;
    return f;
}

} // namespace purzo
