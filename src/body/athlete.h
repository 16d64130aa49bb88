// SPDX-License-Identifier: MIT
// The athlete a flight of the exact model carries: body mass, standing height, the spin she
// leaves the floor with and how fast her limbs can move. The figure's lengths scale with the
// height, its parts' masses with the body mass. The classic model ignores the athlete and always
// flies the standard figure.
#pragma once

#include "body/segment_lengths.h"

namespace purzo {

struct AthleteRange {
    double least;
    double most;
    double standard;
    bool holds(double value) const { return value >= least && value <= most; }
};
inline constexpr AthleteRange kMassRangeKg{20.0, 150.0, 70.0};
// From the soles to the crown, standing stretched: the figure's 1.80 m at the standard.
inline constexpr AthleteRange kHeightRangeM{1.0, 2.2, 1.8};
// The stretched body's angular velocity as it leaves the floor, °/s; the standard is the
// classic's 10° per frame. At 400°/s the full tuck turns five times a second, already more than
// the three of the fastest dives.
inline constexpr AthleteRange kSpinRangeDegPerS{0.0, 400.0, 170.0};
// The fastest her limbs turn against the trunk, rad/s: measured hip flexion in take-offs of
// armstand triple dives reaches 11.0 to 12.8 rad/s (Murtaugh & Miller 2001, J Appl Biomech 17).
inline constexpr AthleteRange kLimbSpeedRangeRadPerS{4.0, 30.0, 12.0};

struct Athlete {
    double massKg = kMassRangeKg.standard;
    double bodyHeightM = kHeightRangeM.standard;
    double spinDegPerS = kSpinRangeDegPerS.standard;
    double limbSpeedRadPerS = kLimbSpeedRangeRadPerS.standard;

    friend bool operator==(const Athlete&, const Athlete&) = default;
};

inline constexpr Athlete kStandardAthlete{};

// The values in the order the dialogs show them: 0 the mass, 1 the height, 2 the spin, 3 the
// limb speed.
inline constexpr int kAthleteValueCount = 4;
const AthleteRange& AthleteRangeOf(int which);
double& AthleteValueOf(Athlete& athlete, int which);
double AthleteValueOf(const Athlete& athlete, int which);

// Every value inside its range (and a number).
bool AthleteInRange(const Athlete& athlete);

// The athlete with every value outside its range replaced by its standard.
Athlete WithinRange(const Athlete& athlete);

// The figure's segment lengths in canvas units, the standard ones times height / 1.80 m.
SegmentLengths SegmentLengthsOf(const Athlete& athlete);

// The body's reach about its centre of mass scaled from the standard figure's reach, canvas
// units.
double ScaledReach(const Athlete& athlete, double standardReach);

} // namespace purzo
