// SPDX-License-Identifier: MIT
// How far the limbs get towards a chosen posture in one frame: no faster than muscles move them.
#pragma once

#include "body/posture_table.h"

namespace purzo {

// The shape reached `intervalS` seconds after `from`, moving towards `target`: the four limb
// directions along a straight line in their angle space, at constant rates, the largest of the
// four changes covering at most limbSpeedRadPerS × intervalS, so that all four arrive together.
// The target itself, exactly, once it is within reach.
LimbDegrees ReachedShape(const LimbDegrees& from, const LimbDegrees& target,
                         double limbSpeedRadPerS, double intervalS);

// The point `fraction` of the way from `a` to `b`.
LimbDegrees ShapeBetween(const LimbDegrees& a, const LimbDegrees& b, double fraction);

} // namespace purzo
