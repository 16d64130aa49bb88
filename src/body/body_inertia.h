// SPDX-License-Identifier: MIT
// The figure as a body of rigid parts with mass: its moment of inertia about its centre of mass,
// and the angular momentum that a change of shape alone carries.
#pragma once

#include "body/body_part.h"
#include "body/posture_table.h"
#include "body/segment_lengths.h"

#include <array>
#include <cstddef>

namespace purzo {

// The figure as a body with mass: its lengths in canvas units and its whole mass.
struct MassiveBody {
    SegmentLengths lengths;
    double massKg = 0;
};
// The six rigid parts with mass: the five massive segments, then the head (the neck has none).
inline constexpr std::array<BodyPart, 6> kMassiveParts{BodyPart::Trunk,   BodyPart::UpperArm,
                                                       BodyPart::Forearm, BodyPart::Thigh,
                                                       BodyPart::Shank,   BodyPart::Head};
inline constexpr std::size_t kMassivePartCount = kMassiveParts.size();

// Radius of gyration about each massive part's own centre, in kMassiveParts order, as a fraction of
// its length (the head's: twice the head radius). de Leva (1996), male, "transverse" column: the
// radius about the mediolateral axis, the axis a somersault turns about.
inline constexpr std::array<double, kMassivePartCount> kGyrationFractions{0.306, 0.269, 0.265,
                                                                          0.329, 0.249, 0.315};

// The rates at which the four limb directions change, rad/s, clockwise positive.
using LimbRates = LimbDirections;

struct ShapeMotion {
    double inertiaKgM2 = 0;           // about the centre of mass, in this shape
    double shapeMomentumKgM2PerS = 0; // H: of the shape change alone, clockwise positive
    double shapeEnergyJ = 0;          // kinetic energy of the shape change alone, about C
};

// The body in the shape of the limb directions (trunk upright), its limbs moving at `rates`:
// I = Σ mᵢ·|cᵢ − C|² + Σ mᵢ·(kᵢ·ℓᵢ)², H = Σ mᵢ·(cᵢ − C) × (ċᵢ − Ċ) + Σ Iᵢ·q̇ᵢ over the four
// limbs, and ½ Σ mᵢ·|ċᵢ − Ċ|² + ½ Σ Iᵢ·q̇ᵢ², in metres, kilograms and seconds.
ShapeMotion ShapeMotionOf(const MassiveBody& body, const LimbDirections& limbs,
                          const LimbRates& rates);

// The moment of inertia of a held shape.
double MomentOfInertiaKgM2(const MassiveBody& body, const LimbDirections& limbs);

// The whole body turning at omega (rad/s, clockwise) while its shape changes as `motion` says:
// its angular momentum Iω + H and its rotational kinetic energy ½Iω² + ωH + the shape's own,
// both about the centre of mass.
struct BodyRotation {
    double angularMomentumKgM2PerS = 0;
    double energyJ = 0;
};
BodyRotation RotationOf(const ShapeMotion& motion, double omegaRadPerS);

} // namespace purzo
