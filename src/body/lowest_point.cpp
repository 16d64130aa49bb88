// SPDX-License-Identifier: MIT
// Lowest points: the classic over the stored segment points, the exact one over the joints and
// the head's rim.
#include "body/lowest_point.h"

namespace purzo {

double LowestPointY(const Figure& figure) {
    double lowestPointY = 0;
    auto consider = [&lowestPointY](double y) {
        if (y > lowestPointY) {
            lowestPointY = y;
        }
    };
    for (const Segment& s : figure.segments) {
        consider(s.from.y);
        consider(s.to.y);
    }
    consider(figure.head.y);
    return lowestPointY;
}

Contact LowestContact(const Figure& figure, double headRadius) {
    const auto y = [&figure, headRadius](BodyPart part) {
        switch (part) {
        case BodyPart::Hip:
            return figure.hip().y;
        case BodyPart::Shoulder:
            return figure.shoulder().y;
        case BodyPart::Elbow:
            return figure.elbow().y;
        case BodyPart::Hand:
            return figure.hand().y;
        case BodyPart::Knee:
            return figure.knee().y;
        case BodyPart::Foot:
            return figure.foot().y;
        case BodyPart::Neck:
            return figure.neckEnd().y;
        default:
            return figure.head.y + headRadius;
        }
    };
    Contact lowest{y(kContactParts[0]), kContactParts[0]};
    for (const BodyPart part : kContactParts) {
        if (y(part) > lowest.y) {
            lowest = {y(part), part};
        }
    }
    return lowest;
}

} // namespace purzo
