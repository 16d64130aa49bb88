// SPDX-License-Identifier: MIT
// The posture table; the more tucked, the faster the turn (no inertia model behind it).
#include "body/posture_table.h"

#include "body/canvas_units.h"

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

LimbDirections LimbDirectionsFor(int posture) {
    const PostureRow& row = PostureRowFor(posture);
    return {DegreesToRadians(row.upperArmDeg), DegreesToRadians(row.forearmDeg),
            DegreesToRadians(row.thighDeg), DegreesToRadians(row.shankDeg)};
}

LimbDegrees LimbDegreesFor(int posture) {
    const PostureRow& row = PostureRowFor(posture);
    return {double(row.upperArmDeg), double(row.forearmDeg), double(row.thighDeg),
            double(row.shankDeg)};
}

LimbDirections LimbDirectionsOf(const LimbDegrees& shape) {
    return {DegreesToRadians(shape.upperArmDeg), DegreesToRadians(shape.forearmDeg),
            DegreesToRadians(shape.thighDeg), DegreesToRadians(shape.shankDeg)};
}

} // namespace purzo
