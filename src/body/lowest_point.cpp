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
    const Point joints[] = {figure.hip(),  figure.shoulder(), figure.elbow(),  figure.hand(),
                            figure.knee(), figure.foot(),     figure.neckEnd()};
    Contact lowest{joints[0].y, BodyPart::Hip};
    for (int i = 1; i < 7; ++i) {
        if (joints[i].y > lowest.y) {
            lowest = {joints[i].y, BodyPart(i)};
        }
    }
    if (figure.head.y + headRadius > lowest.y) {
        lowest = {figure.head.y + headRadius, BodyPart::Head};
    }
    return lowest;
}

const char* BodyPartName(BodyPart part) {
    switch (part) {
    case BodyPart::Hip:
        return "hip";
    case BodyPart::Shoulder:
        return "shoulder";
    case BodyPart::Elbow:
        return "elbow";
    case BodyPart::Hand:
        return "hand";
    case BodyPart::Knee:
        return "knee";
    case BodyPart::Foot:
        return "foot";
    case BodyPart::Neck:
        return "neck";
    case BodyPart::Head:
        return "head";
    }
    return "";
}

} // namespace purzo
