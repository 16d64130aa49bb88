// SPDX-License-Identifier: MIT
// The frames are sorted into floor and air by the body's lowest point; the parabola is fitted
// to the airborne centres, the take-off put where it leaves the standing centre's height, and
// the turn fitted in L, which it is linear in: θ(t) = θ₀ + L·∫1/I dt − ∫H/I dt.
#include "video/jump_fit.h"

#include "body/body_inertia.h"
#include "body/placed_figure.h"
#include "flight/exact_step.h"
#include "flight/flight_constants.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace purzo {
namespace {

// x(τ) = x0 + vx·τ and h(τ) = h0 + vh·τ − g/2·τ², with τ = t − t0.
struct Parabola {
    double t0 = 0;
    double x0 = 0, vx = 0;
    double h0 = 0, vh = 0;
    double g = kGravity;
    ScenePoint at(double t) const {
        const double tau = t - t0;
        return {x0 + vx * tau, h0 + vh * tau - g / 2 * tau * tau};
    }
};

// Least squares of y = Σ cᵢ·fᵢ(t) for up to three functions, by the normal equations.
template <int N, class Basis>
std::array<double, N> LeastSquares(const std::vector<double>& t, const std::vector<double>& y,
                                   Basis basis) {
    std::array<std::array<double, N + 1>, N> m{};
    for (std::size_t k = 0; k < t.size(); ++k) {
        const std::array<double, N> f = basis(t[k]);
        for (int i = 0; i < N; ++i) {
            for (int j = 0; j < N; ++j) {
                m[i][j] += f[i] * f[j];
            }
            m[i][N] += f[i] * y[k];
        }
    }
    // Gaussian elimination with partial pivoting.
    for (int c = 0; c < N; ++c) {
        int pivot = c;
        for (int r = c + 1; r < N; ++r) {
            if (std::abs(m[r][c]) > std::abs(m[pivot][c])) {
                pivot = r;
            }
        }
        std::swap(m[c], m[pivot]);
        for (int r = 0; r < N; ++r) {
            if (r != c && m[c][c] != 0) {
                const double factor = m[r][c] / m[c][c];
                for (int k = c; k <= N; ++k) {
                    m[r][k] -= factor * m[c][k];
                }
            }
        }
    }
    std::array<double, N> x{};
    for (int i = 0; i < N; ++i) {
        x[i] = m[i][i] != 0 ? m[i][N] / m[i][i] : 0;
    }
    return x;
}

Parabola FitParabola(const std::vector<double>& t, const std::vector<ScenePoint>& c,
                     bool gravityFree) {
    Parabola p;
    p.t0 = t.front();
    std::vector<double> tau, x, h;
    for (std::size_t k = 0; k < t.size(); ++k) {
        tau.push_back(t[k] - p.t0);
        x.push_back(c[k].xM);
        h.push_back(gravityFree ? c[k].heightM
                                : c[k].heightM + kGravity / 2 * tau.back() * tau.back());
    }
    const auto line = [](double s) { return std::array<double, 2>{1.0, s}; };
    const auto [x0, vx] = LeastSquares<2>(tau, x, line);
    p.x0 = x0;
    p.vx = vx;
    if (gravityFree) {
        const auto [h0, vh, c2] = LeastSquares<3>(tau, h, [](double s) {
            return std::array<double, 3>{1.0, s, s * s};
        });
        p.h0 = h0;
        p.vh = vh;
        p.g = -2 * c2;
    } else {
        const auto [h0, vh] = LeastSquares<2>(tau, h, line);
        p.h0 = h0;
        p.vh = vh;
    }
    return p;
}

// When the parabola, rising, passes the height h: its earlier crossing, or its top when it never
// reaches h.
double RisingThrough(const Parabola& p, double h) {
    const double d = p.vh * p.vh + 2 * p.g * (p.h0 - h);
    return p.t0 + (p.vh - std::sqrt(std::max(d, 0.0))) / p.g;
}

double Lowest(const BodyPoints& p) {
    double h = p[0].heightM;
    for (const ScenePoint& s : p) {
        h = std::min(h, s.heightM);
    }
    return h;
}

// ∫1/I dt and ∫H/I dt over one interval whose limbs move linearly from `a` to `b` (Gauss–Legendre,
// eight points).
struct TurnIntegrals {
    double inverseInertia = 0;
    double shapeTurn = 0;
};
TurnIntegrals Integrate(const MassiveBody& body, const LimbDegrees& a, const LimbDegrees& b,
                        double intervalS) {
    constexpr std::array<double, 4> nodes{0.1834346424956498, 0.5255324099163290,
                                          0.7966664774136267, 0.9602898564975363};
    constexpr std::array<double, 4> weights{0.3626837833783620, 0.3137066458778873,
                                            0.2223810344533745, 0.1012285362903763};
    const LimbDirections from = LimbDirectionsOf(a), to = LimbDirectionsOf(b);
    const LimbRates rates{(to.upperArmAngle - from.upperArmAngle) / intervalS,
                          (to.forearmAngle - from.forearmAngle) / intervalS,
                          (to.thighAngle - from.thighAngle) / intervalS,
                          (to.shankAngle - from.shankAngle) / intervalS};
    TurnIntegrals sum;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        for (const double side : {-1.0, 1.0}) {
            const double f = 0.5 + side * nodes[i] / 2;
            const LimbDirections at{from.upperArmAngle +
                                        (to.upperArmAngle - from.upperArmAngle) * f,
                                    from.forearmAngle + (to.forearmAngle - from.forearmAngle) * f,
                                    from.thighAngle + (to.thighAngle - from.thighAngle) * f,
                                    from.shankAngle + (to.shankAngle - from.shankAngle) * f};
            const ShapeMotion m = ShapeMotionOf(body, at, rates);
            sum.inverseInertia += weights[i] / m.inertiaKgM2;
            sum.shapeTurn += weights[i] * m.shapeMomentumKgM2PerS / m.inertiaKgM2;
        }
    }
    sum.inverseInertia *= intervalS / 2;
    sum.shapeTurn *= intervalS / 2;
    return sum;
}

ScenePoint Mirrored(ScenePoint p) {
    return {-p.xM, p.heightM};
}

void MirrorFrame(FittedFrame& f) {
    for (auto& m : f.marked) {
        if (m) {
            m = Mirrored(*m);
        }
    }
    if (f.points) {
        for (ScenePoint& p : *f.points) {
            p = Mirrored(p);
        }
    }
    if (f.centre) {
        f.centre = Mirrored(*f.centre);
    }
    f.parabola = Mirrored(f.parabola);
    for (ScenePoint& p : f.model) {
        p = Mirrored(p);
    }
}

enum class Place { Floor, Air, Unknown };

// A lowest point this close to the floor stands on it, the marks' noise allowed for.
constexpr double kStandingM = 0.01;
// A lowest point this close to the floor touches it; between this and kFloorContactM the
// body may still be a hair above it.
constexpr double kTouchingM = 0.005;

} // namespace

std::variant<JumpFit, FitFailure> FitJump(const JumpFitInput& input) {
    const Calibration& cal = input.calibration;
    if (!(cal.pixelsPerMetre > 0) || !std::isfinite(cal.pixelsPerMetre)) {
        return FitFailure{FitProblem::NoCalibration};
    }
    const std::size_t n = std::min(input.timesS.size(), input.marks.size());
    JumpFit fit;
    fit.frames.resize(n);
    std::vector<ScenePoints> marked(n);
    for (std::size_t i = 0; i < n; ++i) {
        FittedFrame& f = fit.frames[i];
        f.timeS = input.timesS[i];
        for (std::size_t j = 0; j < std::size_t(kJointCount); ++j) {
            if (const auto& m = input.marks[i][j];
                m && std::isfinite(m->x) && std::isfinite(m->y)) {
                f.marked[j] = cal.toScene(*m);
            }
        }
        marked[i] = f.marked;
    }

    // The athlete: her size from the marks, her mass as entered.
    fit.athlete.massKg = kMassRangeKg.holds(input.massKg) ? input.massKg : kMassRangeKg.standard;
    fit.bodyHeightM = BodyHeightOfMarks(marked).value_or(kHeightRangeM.standard);
    fit.athlete.bodyHeightM = std::clamp(fit.bodyHeightM, kHeightRangeM.least, kHeightRangeM.most);
    if (fit.athlete.bodyHeightM != fit.bodyHeightM) {
        fit.warnings.push_back(FitWarning::HeightOutsideRange);
    }
    const MassiveBody body = MassiveBodyOf(fit.athlete);

    // Floor or air, by the lowest point.
    std::vector<Place> place(n, Place::Unknown);
    for (std::size_t i = 0; i < n; ++i) {
        FittedFrame& f = fit.frames[i];
        bool completed = false;
        f.points = CompletedPoints(f.marked, body.lengths, completed);
        if (f.points) {
            f.completed = completed;
            f.centre = CentreOfPoints(*f.points);
            place[i] = Lowest(*f.points) <= kFloorContactM ? Place::Floor : Place::Air;
        }
    }
    auto isFloor = [&](int i) { return place[std::size_t(i)] == Place::Floor; };
    // The flight: the stretch between two floor frames with the most airborne frames in it.
    int lastFloor = -1, touchdown = -1, mostAir = -1;
    for (int start = 0; start < int(n);) {
        int end = start;
        while (end < int(n) && !isFloor(end)) {
            ++end;
        }
        const int air = int(std::count(place.begin() + start, place.begin() + end, Place::Air));
        if (end > start && air > mostAir) {
            mostAir = air;
            lastFloor = start - 1;
            touchdown = end < int(n) ? end : -1;
        }
        start = std::max(end, start + 1);
    }
    if (input.lastFloorFrame && *input.lastFloorFrame >= -1 && *input.lastFloorFrame < int(n)) {
        lastFloor = *input.lastFloorFrame;
        touchdown = -1;
        for (int i = lastFloor + 1; i < int(n); ++i) {
            if (isFloor(i) && i > lastFloor + 1) {
                touchdown = i;
                break;
            }
        }
    }
    if (input.touchdownFrame && *input.touchdownFrame > lastFloor + 1 &&
        *input.touchdownFrame < int(n)) {
        touchdown = *input.touchdownFrame;
    }
    const int flightEnd = touchdown >= 0 ? touchdown : int(n);
    auto airborneFrames = [&](double after) {
        std::vector<int> frames;
        for (int i = lastFloor + 1; i < flightEnd; ++i) {
            if (fit.frames[std::size_t(i)].centre && fit.frames[std::size_t(i)].timeS > after) {
                frames.push_back(i);
            }
        }
        return frames;
    };
    std::vector<int> air;
    for (const int i : airborneFrames(-INFINITY)) {
        if (place[std::size_t(i)] == Place::Air) {
            air.push_back(i);
        }
    }
    if (int(air.size()) < kFewestFittedFrames) {
        return FitFailure{FitProblem::TooFewAirborneFrames, double(air.size())};
    }
    if (flightEnd - lastFloor - 1 > int(airborneFrames(-INFINITY).size())) {
        fit.warnings.push_back(FitWarning::MarksMissing);
    }

    auto centresOf = [&](const std::vector<int>& frames, std::vector<double>& t,
                         std::vector<ScenePoint>& c) {
        t.clear();
        c.clear();
        for (const int i : frames) {
            t.push_back(fit.frames[std::size_t(i)].timeS);
            c.push_back(*fit.frames[std::size_t(i)].centre);
        }
    };
    std::vector<double> t;
    std::vector<ScenePoint> c;
    centresOf(air, t, c);
    // A jump to the left is measured as its mirror image, so that it turns the model's way.
    const bool mirrored = FitParabola(t, c, false).vx < 0;
    if (mirrored) {
        for (FittedFrame& f : fit.frames) {
            MirrorFrame(f);
        }
        centresOf(air, t, c);
    }

    // The take-off height: the centre's in the last frame on the floor, the last one whose
    // lowest point touches the floor where there is one (a frame a hair above it would put the
    // take-off too high).
    double standingHeight = ExactTakeoffHeightM(body.lengths);
    if (lastFloor >= 0) {
        int standing = lastFloor;
        for (int i = lastFloor; i >= 0 && isFloor(i); --i) {
            if (Lowest(*fit.frames[std::size_t(i)].points) <= kStandingM) {
                standing = i;
                break;
            }
        }
        // A frame corrected by hand to be the last on the floor may carry too few marks.
        if (const auto& centre = fit.frames[std::size_t(standing)].centre) {
            standingHeight = centre->heightM;
        } else {
            fit.warnings.push_back(FitWarning::NoFloorBefore);
        }
    } else {
        fit.warnings.push_back(FitWarning::NoFloorBefore);
    }
    Parabola path = FitParabola(t, c, false);
    fit.takeoffS = RisingThrough(path, standingHeight);
    // Frames barely off the floor count as airborne once the parabola says the body has left.
    const std::vector<int> flight = airborneFrames(fit.takeoffS);
    centresOf(flight, t, c);
    path = FitParabola(t, c, false);
    fit.takeoffS = RisingThrough(path, standingHeight);
    const Parabola free = FitParabola(t, c, true);
    fit.gravityMPerS2 = free.g;
    fit.takeoffHeightM = standingHeight;
    fit.lastFloorFrame = flight.front() - 1;
    fit.touchdownFrame = touchdown;
    fit.takeoffCentre = path.at(fit.takeoffS);
    fit.toTheLeft = mirrored;
    const double riseSpeed = path.vh - path.g * (fit.takeoffS - path.t0);
    fit.speedMPerS = std::hypot(path.vx, riseSpeed);
    fit.angleDeg = std::atan2(riseSpeed, path.vx) * 180.0 / std::numbers::pi;

    // Shapes, the trunk's angle unwrapped, and the turn's integrals from the first airborne frame.
    std::vector<double> theta, a, b;
    double previousTrunk = 0, inverseInertia = 0, shapeTurn = 0;
    for (std::size_t k = 0; k < flight.size(); ++k) {
        FittedFrame& f = fit.frames[std::size_t(flight[k])];
        f.airborne = true;
        fit.completedFrames += f.completed;
        const MeasuredShape shape = ShapeOfPoints(*f.points);
        f.shape = shape.limbs;
        f.nearestPosture = NearestPosture(f.shape);
        f.trunkDeg = shape.trunkDeg;
        if (k > 0) {
            f.trunkDeg += 360.0 * std::round((previousTrunk - f.trunkDeg) / 360.0);
            const FittedFrame& before = fit.frames[std::size_t(flight[k - 1])];
            const TurnIntegrals in = Integrate(body, before.shape, f.shape, f.timeS - before.timeS);
            inverseInertia += in.inverseInertia;
            shapeTurn += in.shapeTurn;
        }
        previousTrunk = f.trunkDeg;
        theta.push_back(f.trunkDeg * std::numbers::pi / 180.0 + shapeTurn);
        a.push_back(inverseInertia);
    }
    if (fit.completedFrames > 0) {
        fit.warnings.push_back(FitWarning::PointsCompleted);
    }
    // θ + ∫H/I = θ₀ + L·∫1/I: a straight line in ∫1/I.
    const auto [theta0, momentum] = LeastSquares<2>(a, theta, [](double s) {
        return std::array<double, 2>{1.0, s};
    });
    fit.angularMomentumKgM2PerS = momentum;
    fit.spinDegPerS = momentum / MomentOfInertiaKgM2(body, LimbDirectionsFor(kFirstPosture)) *
                      180.0 / std::numbers::pi;

    double centreSquares = 0, rotationSquares = 0;
    shapeTurn = 0;
    for (std::size_t k = 0; k < flight.size(); ++k) {
        FittedFrame& f = fit.frames[std::size_t(flight[k])];
        const double modelRad =
            theta0 + momentum * a[k] - (theta[k] - f.trunkDeg * std::numbers::pi / 180.0);
        f.modelRotationDeg = modelRad * 180.0 / std::numbers::pi;
        f.rotationResidualDeg = f.trunkDeg - f.modelRotationDeg;
        f.parabola = path.at(f.timeS);
        f.centreResidualM =
            std::hypot(f.centre->xM - f.parabola.xM, f.centre->heightM - f.parabola.heightM);
        f.model = PointsOfFigure(PlaceAboutCentreOfMass(body.lengths, LimbDirectionsOf(f.shape),
                                                        modelRad, CanvasPointOf(f.parabola)));
        centreSquares += f.centreResidualM * f.centreResidualM;
        rotationSquares += f.rotationResidualDeg * f.rotationResidualDeg;
    }
    fit.centreResidualM = std::sqrt(centreSquares / double(flight.size()));
    fit.rotationResidualDeg = std::sqrt(rotationSquares / double(flight.size()));

    // The touchdown: where the lowest point comes down to the floor. A frame just above the
    // floor counts as standing on it, so the crossing lies on the line through the last two
    // airborne frames, unless the first frame down shows the body touching.
    const FittedFrame& lastAir = fit.frames[std::size_t(flight.back())];
    fit.touchdownS = lastAir.timeS;
    if (touchdown >= 0 && fit.frames[std::size_t(touchdown)].points) {
        const FittedFrame& down = fit.frames[std::size_t(touchdown)];
        const double above = Lowest(*lastAir.points), below = Lowest(*down.points);
        double share = above > below ? std::clamp(above / (above - below), 0.0, 1.0) : 1.0;
        if (below > kTouchingM && flight.size() >= 2) {
            const FittedFrame& before = fit.frames[std::size_t(flight[flight.size() - 2])];
            const double fall = (Lowest(*before.points) - above) / (lastAir.timeS - before.timeS);
            const double interval = down.timeS - lastAir.timeS;
            share = fall > 0 ? std::clamp(above / fall / interval, 0.0, 2.0) : 1.0;
        }
        fit.touchdownS = lastAir.timeS + share * (down.timeS - lastAir.timeS);
    }

    // What the model can fly.
    fit.modelSpeedMPerS = std::clamp(fit.speedMPerS, double(kMinSpeed), double(kMaxSpeed));
    fit.modelAngleDeg = std::clamp(fit.angleDeg, double(kMinAngle), double(kMaxAngle));
    if (fit.modelSpeedMPerS != fit.speedMPerS) {
        fit.warnings.push_back(FitWarning::SpeedOutsideModel);
    }
    if (fit.modelAngleDeg != fit.angleDeg) {
        fit.warnings.push_back(FitWarning::AngleOutsideModel);
    }
    fit.athlete.spinDegPerS =
        std::clamp(fit.spinDegPerS, kSpinRangeDegPerS.least, kSpinRangeDegPerS.most);
    if (fit.athlete.spinDegPerS != fit.spinDegPerS) {
        fit.warnings.push_back(FitWarning::SpinOutsideRange);
    }
    if (mirrored) {
        for (FittedFrame& f : fit.frames) {
            MirrorFrame(f);
        }
        fit.takeoffCentre = Mirrored(fit.takeoffCentre);
    }
    return fit;
}

} // namespace purzo
