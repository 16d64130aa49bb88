// SPDX-License-Identifier: MIT
// The first moment in a frame's interval at which any part of the body reaches the floor, found
// without letting a short dip of a hand or the head pass between two looks.
#pragma once

#include "body/body_inertia.h"
#include "body/posture_table.h"

#include <functional>
#include <optional>

namespace purzo {

// How fast any contact point (a joint or the head's rim) can move towards the floor while the
// limbs move linearly from `from` to `to` over the interval and the centre of mass falls at no
// more than `centreFallUnitsPerS` (canvas units per second, downwards positive), canvas units/s.
double DescentSpeedBound(const MassiveBody& body, const LimbDirections& from,
                         const LimbDirections& to, double intervalS, double angularMomentum,
                         double centreFallUnitsPerS);

// The first s in (0, intervalS] at which depth(s) (the lowest point's depth below the floor,
// canvas units, negative above it) reaches 0, to well below a nanosecond; nothing when the body
// stays clear of the floor throughout. `depthAtStart` is depth(0); `descentBound` bounds how
// fast the depth can grow, as DescentSpeedBound gives it.
std::optional<double> FirstContactS(const std::function<double(double)>& depth, double depthAtStart,
                                    double descentBound, double intervalS);

} // namespace purzo
