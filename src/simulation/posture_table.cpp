// SPDX-License-Identifier: MIT
// The posture table; the more tucked, the faster the turn (no inertia model behind it).
#include "posture_table.h"

#include "model_state.h"

#include <algorithm>
#include <array>

namespace purzo {
namespace {

constexpr std::array<PostureRow, 7> kPostureTable{{
    {0, 0, 180, 180, 10},
    {20, 10, 150, 170, 13},
    {20, 20, 155, 155, 17},
    {45, 40, 145, 145, 21},
    {100, 45, 80, 130, 23},
    {130, 40, 45, 130, 27},
    {170, 40, 20, 160, 30},
}};

} // namespace

const PostureRow& PostureRowFor(int posture) {
    const int p = std::clamp(posture, kFirstPosture, kLastPosture);
    return kPostureTable[static_cast<std::size_t>(p - kFirstPosture)];
}

LimbDirections PostureStep(int posture, double pi, int& rotationDeg) {
    const PostureRow& row = PostureRowFor(posture);
    LimbDirections limbs;
    limbs.upperArmAngle = DegreesToRadians(pi, row.upperArmDeg);
    limbs.forearmAngle = DegreesToRadians(pi, row.forearmDeg);
    limbs.thighAngle = DegreesToRadians(pi, row.thighDeg);
    limbs.shankAngle = DegreesToRadians(pi, row.shankDeg);
    rotationDeg += row.rotationIncrementDeg;
    return limbs;
}

} // namespace purzo
