// SPDX-License-Identifier: MIT
// Part centres where the segment model puts them, their velocities from the limb rates.
#include "body/body_inertia.h"

#include "body/canvas_units.h"
#include "body/centre_of_mass.h"
#include "body/point.h"
#include "body/reference_figure.h"
#include "body/segment_lengths.h"

#include <cmath>

namespace purzo {
namespace {

struct Vec {
    double x = 0;
    double y = 0; // downwards, as on the canvas
};
Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
Vec operator*(double k, Vec a) {
    return {k * a.x, k * a.y};
}
// Positive when b turns clockwise from a on the canvas (y downwards).
double Cross(Vec a, Vec b) {
    return a.x * b.y - a.y * b.x;
}
double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}

// A segment of `length` in direction phi and its velocity when phi changes at `rate`.
struct Limb {
    Vec span;
    Vec velocity;
};
Limb LimbOf(double length, double phi, double rate) {
    const double s = std::sin(phi), c = std::cos(phi);
    return {{length * s, -length * c}, {length * rate * c, length * rate * s}};
}

double MassFraction(BodyPart part) {
    return part == BodyPart::Head ? kHeadMassFraction : kSegmentFractions[std::size_t(part)].mass;
}

} // namespace

ShapeMotion ShapeMotionOf(const MassiveBody& body, const LimbDirections& limbs,
                          const LimbRates& rates) {
    const SegmentLengths& units = body.lengths;
    const double m = 1.0 / kUnitsPerMetre;
    const double trunkM = units.trunkLength * m, headM = 2 * units.headRadius * m;
    const double lengthM[kMassivePartCount] = {trunkM,
                                               units.upperArmLength * m,
                                               units.forearmLength * m,
                                               units.thighLength * m,
                                               units.shankLength * m,
                                               headM};
    const Limb upperArm = LimbOf(lengthM[1], limbs.upperArmAngle, rates.upperArmAngle);
    const Limb forearm = LimbOf(lengthM[2], limbs.forearmAngle, rates.forearmAngle);
    const Limb thigh = LimbOf(lengthM[3], limbs.thighAngle, rates.thighAngle);
    const Limb shank = LimbOf(lengthM[4], limbs.shankAngle, rates.shankAngle);

    // The reference figure of the shape, in metres from its hip; each segment's centre at its
    // fraction p from the first point, as the segment model puts it.
    const Figure figure = BuildReferenceFigure(units, kCanvasHeight, limbs);
    const Point hip = figure.hip();
    const auto metres = [&hip, m](Point q) { return Vec{(q.x - hip.x) * m, (q.y - hip.y) * m}; };
    const auto p = [](BodyPart part) { return kSegmentFractions[std::size_t(part)].p; };
    std::array<Vec, kMassivePartCount> centre{};
    for (std::size_t i = 0; i < kSegmentFractions.size(); ++i) {
        const Vec from = metres(figure.segments[i].from), to = metres(figure.segments[i].to);
        centre[i] = from + p(kMassiveParts[i]) * (to - from);
    }
    centre[kMassivePartCount - 1] = metres(figure.head);
    const std::array<Vec, kMassivePartCount> velocity{
        Vec{},
        p(BodyPart::UpperArm) * upperArm.velocity,
        upperArm.velocity + p(BodyPart::Forearm) * forearm.velocity,
        p(BodyPart::Thigh) * thigh.velocity,
        thigh.velocity + p(BodyPart::Shank) * shank.velocity,
        Vec{},
    };

    Vec com, comVelocity;
    std::array<double, kMassivePartCount> mass{};
    for (std::size_t i = 0; i < kMassivePartCount; ++i) {
        mass[i] = MassFraction(kMassiveParts[i]) * body.massKg;
        com = com + (mass[i] / body.massKg) * centre[i];
        comVelocity = comVelocity + (mass[i] / body.massKg) * velocity[i];
    }
    ShapeMotion motion;
    std::array<double, kMassivePartCount> own{};
    for (std::size_t i = 0; i < kMassivePartCount; ++i) {
        const double k = kGyrationFractions[i] * lengthM[i];
        own[i] = mass[i] * k * k;
        const Vec r = centre[i] - com;
        const Vec u = velocity[i] - comVelocity;
        motion.inertiaKgM2 += mass[i] * Dot(r, r) + own[i];
        motion.shapeMomentumKgM2PerS += mass[i] * Cross(r, u);
        motion.shapeEnergyJ += mass[i] * Dot(u, u) / 2;
    }
    // Each limb also spins about its own centre; trunk and head do not turn against the body.
    const double spin[kMassivePartCount] = {
        0, rates.upperArmAngle, rates.forearmAngle, rates.thighAngle, rates.shankAngle, 0};
    motion.shapeMomentumKgM2PerS +=
        own[1] * spin[1] + own[2] * spin[2] + own[3] * spin[3] + own[4] * spin[4];
    for (std::size_t i = 0; i < kMassivePartCount; ++i) {
        motion.shapeEnergyJ += own[i] * spin[i] * spin[i] / 2;
    }
    return motion;
}

double MomentOfInertiaKgM2(const MassiveBody& body, const LimbDirections& limbs) {
    return ShapeMotionOf(body, limbs, {}).inertiaKgM2;
}

BodyRotation RotationOf(const ShapeMotion& motion, double omega) {
    // Each part's velocity about C is its shape velocity u plus ω × r; the cross terms sum to ωH.
    return {motion.inertiaKgM2 * omega + motion.shapeMomentumKgM2PerS,
            motion.inertiaKgM2 * omega * omega / 2 + omega * motion.shapeMomentumKgM2PerS +
                motion.shapeEnergyJ};
}

} // namespace purzo
