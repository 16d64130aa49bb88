// SPDX-License-Identifier: MIT
// The figure's lowest point on the canvas, which the landing tests read.
#pragma once

#include "body/figure.h"

namespace purzo {

// Largest canvas y of the figure's 13 points, the head by its circle's centre.
double LowestPointY(const Figure& figure);

struct Contact {
    double y = 0; // canvas y
    BodyPart part = BodyPart::Foot;
};

// Largest canvas y over the seven joints and the bottom of the head circle; on a tie the part
// first in kContactParts.
Contact LowestContact(const Figure& figure, double headRadius);

} // namespace purzo
