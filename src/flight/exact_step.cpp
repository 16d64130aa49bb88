// SPDX-License-Identifier: MIT
// The exact model: a rigid-body flight with a changing shape. The limbs move linearly in time
// between the rows of two frames; the body turns at (L − H)/I, which does not depend on the
// turn itself, so the turn over an interval is a quadrature.
#include "flight/exact_step.h"

#include "body/athlete.h"
#include "body/body_inertia.h"
#include "body/canvas_units.h"
#include "body/centre_of_mass.h"
#include "body/limb_reach.h"
#include "body/placed_figure.h"
#include "body/reference_figure.h"
#include "body/segment_lengths.h"
#include "flight/first_contact.h"
#include "flight/flight_constants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace purzo {
namespace {

constexpr double kFrameS = 1.0 / kFramesPerSecond;

// Gauss–Legendre, 8 points on [-1, 1], applied on kSubintervals equal parts: with limbs that
// turn by up to 2.8 rad in a frame the error stays below 1e-11 rad over any change of posture
// (against a Simpson rule of 20 000 steps).
constexpr std::array<double, 4> kNodes{0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                       0.9602898564975363};
constexpr std::array<double, 4> kWeights{0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                         0.1012285362903763};
constexpr int kSubintervals = 2;

// At the take-off the foot stands on the floor line; the body leaves it at once.
constexpr double kTakeoffClearance = 1e-11; // canvas units

LimbDirections Between(const LimbDirections& a, const LimbDirections& b, double fraction) {
    return {a.upperArmAngle + (b.upperArmAngle - a.upperArmAngle) * fraction,
            a.forearmAngle + (b.forearmAngle - a.forearmAngle) * fraction,
            a.thighAngle + (b.thighAngle - a.thighAngle) * fraction,
            a.shankAngle + (b.shankAngle - a.shankAngle) * fraction};
}

LimbRates RatesOver(const LimbDirections& a, const LimbDirections& b, double intervalS) {
    return {(b.upperArmAngle - a.upperArmAngle) / intervalS,
            (b.forearmAngle - a.forearmAngle) / intervalS,
            (b.thighAngle - a.thighAngle) / intervalS, (b.shankAngle - a.shankAngle) / intervalS};
}

bool Held(const LimbDirections& a, const LimbDirections& b) {
    return a.upperArmAngle == b.upperArmAngle && a.forearmAngle == b.forearmAngle &&
           a.thighAngle == b.thighAngle && a.shankAngle == b.shankAngle;
}

// The model's own angles (the turn, ω, the spin) convert with the true π, so that Iω + H = L
// holds in any row read with it; the shapes and the take-off angle keep the five-decimal
// conversion they share with the classic model.
double RadiansToDegrees(double rad) {
    return rad * 180.0 / std::numbers::pi;
}

// Everything a frame shows, for the shape, the limbs' rates, the turn and the time given.
FrameResult Compose(const Flight& flight, const LimbDirections& limbs, const LimbRates& rates,
                    double thetaRad, double timeS) {
    const MassiveBody& body = flight.exact.body;
    const SegmentLengths& lengths = body.lengths;
    const ExactFlightPoint point =
        ComputeExactFlightPoint(flight.params, flight.exact.takeoffHeightM, timeS);
    FrameResult r;
    r.timeS = timeS;
    r.flightX = point.flightX;
    r.pathX = point.path.x;
    r.pathY = point.path.y;
    r.rotationDeg = RadiansToDegrees(thetaRad);
    const CentreOfMass com =
        ComputeCentreOfMass(BuildReferenceFigure(lengths, kCanvasHeight, limbs), kCanvasHeight);
    r.bodyComX = com.bodyComX;
    r.bodyComHeight = com.bodyComHeight;
    r.figure = PlaceAboutCentreOfMass(lengths, limbs, thetaRad, point.path);
    const Contact contact = LowestContact(r.figure, lengths.headRadius);
    r.lowestPointY = contact.y;
    r.lowestPart = contact.part;
    const ShapeMotion motion = ShapeMotionOf(body, limbs, rates);
    const double L = flight.exact.angularMomentum;
    const double omega = (L - motion.shapeMomentumKgM2PerS) / motion.inertiaKgM2;
    r.inertiaKgM2 = motion.inertiaKgM2;
    r.angularMomentumKgM2PerS = L;
    r.omegaNowDegPerS = RadiansToDegrees(omega);
    r.shapeMomentumKgM2PerS = motion.shapeMomentumKgM2PerS;
    r.rotationalEnergyJ = RotationOf(motion, omega).energyJ;
    return r;
}

} // namespace

MassiveBody MassiveBodyOf(const Athlete& athlete) {
    return {SegmentLengthsOf(athlete), athlete.massKg};
}

double ExactTakeoffHeightM(const SegmentLengths& lengths) {
    return CentreAboveLowestPoint(lengths, LimbDirectionsFor(kFirstPosture)) / kUnitsPerMetre;
}

double TakeoffAngularMomentumKgM2PerS(const Athlete& athlete) {
    return MomentOfInertiaKgM2(MassiveBodyOf(athlete), LimbDirectionsFor(kFirstPosture)) *
           (athlete.spinDegPerS * std::numbers::pi / 180.0);
}

ExactFlightPoint ComputeExactFlightPoint(const FlightParameters& f, double takeoffHeightM,
                                         double t) {
    const double rise = f.takeoffSpeed * std::sin(f.angleRad) * t - kGravity * t * t / 2;
    ExactFlightPoint p;
    p.flightX = f.takeoffSpeed * std::cos(f.angleRad) * t;
    p.path.x = kUnitsPerMetre * p.flightX;
    p.path.y = (kCanvasHeight - kUnitsPerMetre * rise) - kUnitsPerMetre * takeoffHeightM;
    return p;
}

double TurnOverInterval(const MassiveBody& body, const LimbDirections& from,
                        const LimbDirections& to, double intervalS, double angularMomentum) {
    if (Held(from, to)) {
        // No shape change: H = 0 and the body turns at L/I.
        return angularMomentum / MomentOfInertiaKgM2(body, to) * intervalS;
    }
    const LimbRates rates = RatesOver(from, to, kFrameS);
    const double part = intervalS / kSubintervals;
    double turn = 0;
    for (int k = 0; k < kSubintervals; ++k) {
        const double mid = (k + 0.5) * part;
        for (std::size_t i = 0; i < kNodes.size(); ++i) {
            for (const double side : {-1.0, 1.0}) {
                const double t = mid + side * kNodes[i] * part / 2;
                const ShapeMotion m = ShapeMotionOf(body, Between(from, to, t / kFrameS), rates);
                turn += kWeights[i] * (angularMomentum - m.shapeMomentumKgM2PerS) / m.inertiaKgM2;
            }
        }
    }
    return turn * part / 2;
}

FrameResult RunExactFrame(Flight& flight, int posture) {
    ExactState& state = flight.exact;
    const int frame = ++flight.framesRun;
    const int read = std::clamp(posture, kFirstPosture, kLastPosture);
    FrameResult r;
    if (frame == 1) {
        // The take-off: stretched and unturned, whatever posture was read; that posture takes
        // effect over the interval to frame 2, as every later one does over its own.
        state.thetaRad = 0;
        state.shape = LimbDegreesFor(kFirstPosture);
        r = Compose(flight, LimbDirectionsOf(state.shape), {}, 0.0, 0.0);
        r.shape = state.shape;
        r.omegaDegPerS = RadiansToDegrees(state.angularMomentum / r.inertiaKgM2);
    } else {
        // The posture read is the target; the limbs get as far towards it as they can.
        const LimbDegrees shapeFrom = state.shape;
        const LimbDegrees shapeTo =
            ReachedShape(shapeFrom, LimbDegreesFor(read), flight.athlete.limbSpeedRadPerS, kFrameS);
        const LimbDirections from = LimbDirectionsOf(shapeFrom);
        const LimbDirections to = LimbDirectionsOf(shapeTo);
        const double startS = (frame - 2) / kFramesPerSecond;
        const double endS = (frame - 1) / kFramesPerSecond;
        const double L = state.angularMomentum;
        const LimbRates rates = RatesOver(from, to, kFrameS);
        double turnShown = 0; // of the last frame composed
        auto timeAt = [&](double intervalS) {
            return intervalS == kFrameS ? endS : startS + intervalS;
        };
        auto at = [&](double intervalS) {
            const double turn = TurnOverInterval(state.body, from, to, intervalS, L);
            turnShown = turn;
            FrameResult f = Compose(flight, Between(from, to, intervalS / kFrameS), rates,
                                    state.thetaRad + turn, timeAt(intervalS));
            f.omegaDegPerS = RadiansToDegrees(turn / intervalS);
            f.shape = intervalS == kFrameS ? shapeTo
                                           : ShapeBetween(shapeFrom, shapeTo, intervalS / kFrameS);
            return f;
        };
        // Only where the body is: its lowest point's depth below the floor.
        const SegmentLengths& lengths = state.body.lengths;
        auto depth = [&](double intervalS) {
            const double turn = TurnOverInterval(state.body, from, to, intervalS, L);
            const Point centre =
                ComputeExactFlightPoint(flight.params, state.takeoffHeightM, timeAt(intervalS))
                    .path;
            const Figure placed = PlaceAboutCentreOfMass(
                lengths, Between(from, to, intervalS / kFrameS), state.thetaRad + turn, centre);
            return LowestContact(placed, lengths.headRadius).y - kCanvasHeight;
        };
        // The centre falls fastest at the interval's end.
        const FlightParameters& p = flight.params;
        const double centreFall =
            kUnitsPerMetre * (kGravity * endS - p.takeoffSpeed * std::sin(p.angleRad));
        const std::optional<double> contactS = FirstContactS(
            depth, std::min(flight.last.lowestPointY - kCanvasHeight, -kTakeoffClearance),
            DescentSpeedBound(state.body, from, to, kFrameS, L, centreFall), kFrameS);
        r = at(contactS.value_or(kFrameS));
        r.landed = contactS.has_value();
        state.thetaRad = state.thetaRad + turnShown;
        state.shape = shapeTo;
    }
    r.frame = frame;
    // The take-off is stretched whatever was chosen for it.
    r.posture = frame == 1 ? kFirstPosture : read;
    flight.ended = r.landed || frame >= kMostFlightFrames;
    r.lastFrame = flight.ended;
    flight.last = r;
    return r;
}

} // namespace purzo
