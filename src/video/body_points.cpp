// SPDX-License-Identifier: MIT
#include "video/body_points.h"

#include "body/athlete.h"
#include "body/canvas_units.h"
#include "body/centre_of_mass.h"
#include "body/reference_figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace purzo {
namespace {

const ScenePoint& At(const BodyPoints& p, Joint j) {
    return p[std::size_t(j)];
}

// The five massive segments' ends, in the segment model's order.
constexpr std::array<std::pair<Joint, Joint>, 5> kMassiveSegments{{
    {Joint::Hip, Joint::Shoulder},
    {Joint::Shoulder, Joint::Elbow},
    {Joint::Elbow, Joint::Hand},
    {Joint::Hip, Joint::Knee},
    {Joint::Knee, Joint::Foot},
}};

// Clockwise from straight up, radians: the figure's own direction convention.
double DirectionRad(const ScenePoint& from, const ScenePoint& to) {
    return std::atan2(to.xM - from.xM, to.heightM - from.heightM);
}

// Into (middle − 180°, middle + 180°].
double Around(double deg, double middle) {
    while (deg <= middle - 180) {
        deg += 360;
    }
    while (deg > middle + 180) {
        deg -= 360;
    }
    return deg;
}

// The table's degrees convert to radians with its five-decimal pi; measured radians go back
// the same way, so that a measured posture reads as its row.
double TableDegrees(double rad) {
    return rad * 180.0 / kPi;
}

} // namespace

ScenePoint CentreOfPoints(const BodyPoints& p) {
    ScenePoint c;
    for (std::size_t i = 0; i < kMassiveSegments.size(); ++i) {
        const ScenePoint& a = At(p, kMassiveSegments[i].first);
        const ScenePoint& b = At(p, kMassiveSegments[i].second);
        const SegmentFractions& f = kSegmentFractions[i];
        c.xM += f.mass * (a.xM + f.p * (b.xM - a.xM));
        c.heightM += f.mass * (a.heightM + f.p * (b.heightM - a.heightM));
    }
    c.xM += kHeadMassFraction * At(p, Joint::Head).xM;
    c.heightM += kHeadMassFraction * At(p, Joint::Head).heightM;
    return c;
}

MeasuredShape ShapeOfPoints(const BodyPoints& p) {
    const double trunk = DirectionRad(At(p, Joint::Hip), At(p, Joint::Shoulder));
    auto limb = [&](Joint from, Joint to, double middleDeg) {
        return Around(TableDegrees(DirectionRad(At(p, from), At(p, to)) - trunk), middleDeg);
    };
    MeasuredShape s;
    s.trunkDeg = trunk * 180.0 / std::numbers::pi;
    s.limbs.upperArmDeg = limb(Joint::Shoulder, Joint::Elbow, 85);
    s.limbs.forearmDeg = limb(Joint::Elbow, Joint::Hand, 20);
    s.limbs.thighDeg = limb(Joint::Hip, Joint::Knee, 100);
    s.limbs.shankDeg = limb(Joint::Knee, Joint::Foot, 155);
    return s;
}

int NearestPosture(const LimbDegrees& shape) {
    int best = kFirstPosture;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int p = kFirstPosture; p <= kLastPosture; ++p) {
        const LimbDegrees row = LimbDegreesFor(p);
        const double d = std::pow(shape.upperArmDeg - row.upperArmDeg, 2) +
                         std::pow(shape.forearmDeg - row.forearmDeg, 2) +
                         std::pow(shape.thighDeg - row.thighDeg, 2) +
                         std::pow(shape.shankDeg - row.shankDeg, 2);
        if (d < bestDistance) {
            bestDistance = d;
            best = p;
        }
    }
    return best;
}

std::optional<double> BodyHeightOfMarks(const std::vector<ScenePoints>& frames) {
    const SegmentLengths& standard = StandardSegmentLengths();
    // The standard figure's distances, m: the five segments and shoulder to the head's centre.
    const std::array<std::pair<std::pair<Joint, Joint>, double>, 6> distances{{
        {kMassiveSegments[0], standard.trunkLength / kUnitsPerMetre},
        {kMassiveSegments[1], standard.upperArmLength / kUnitsPerMetre},
        {kMassiveSegments[2], standard.forearmLength / kUnitsPerMetre},
        {kMassiveSegments[3], standard.thighLength / kUnitsPerMetre},
        {kMassiveSegments[4], standard.shankLength / kUnitsPerMetre},
        {{Joint::Shoulder, Joint::Head},
         (standard.neckLength + standard.headRadius) / kUnitsPerMetre},
    }};
    double measuredTimesStandard = 0, standardSquared = 0;
    for (const auto& [ends, standardM] : distances) {
        std::vector<double> lengths;
        for (const ScenePoints& f : frames) {
            const auto& a = f[std::size_t(ends.first)];
            const auto& b = f[std::size_t(ends.second)];
            if (a && b) {
                lengths.push_back(std::hypot(a->xM - b->xM, a->heightM - b->heightM));
            }
        }
        if (lengths.empty()) {
            continue;
        }
        std::nth_element(lengths.begin(), lengths.begin() + lengths.size() / 2, lengths.end());
        measuredTimesStandard += lengths[lengths.size() / 2] * standardM;
        standardSquared += standardM * standardM;
    }
    if (standardSquared == 0) {
        return std::nullopt;
    }
    return kHeightRangeM.standard * measuredTimesStandard / standardSquared;
}

BodyPoints PointsOfFigure(const Figure& f) {
    auto scene = [](Point p) {
        return ScenePoint{p.x / kUnitsPerMetre, (kCanvasHeight - p.y) / kUnitsPerMetre};
    };
    return {scene(f.head),  scene(f.shoulder()), scene(f.elbow()), scene(f.hand()),
            scene(f.hip()), scene(f.knee()),     scene(f.foot())};
}

Point CanvasPointOf(ScenePoint p) {
    return {p.xM * kUnitsPerMetre, kCanvasHeight - p.heightM * kUnitsPerMetre};
}

std::optional<BodyPoints> CompletedPoints(const ScenePoints& marked, const SegmentLengths& lengths,
                                          bool& completed) {
    int count = 0;
    ScenePoint markedMean;
    for (const auto& m : marked) {
        if (m) {
            ++count;
            markedMean.xM += m->xM;
            markedMean.heightM += m->heightM;
        }
    }
    completed = count < kJointCount;
    if (count == kJointCount) {
        BodyPoints all;
        for (std::size_t j = 0; j < all.size(); ++j) {
            all[j] = *marked[j];
        }
        return all;
    }
    if (count < 3) {
        return std::nullopt;
    }
    markedMean.xM /= count;
    markedMean.heightM /= count;
    std::optional<BodyPoints> best;
    double bestError = std::numeric_limits<double>::infinity();
    for (int posture = kFirstPosture; posture <= kLastPosture; ++posture) {
        const BodyPoints shape = PointsOfFigure(
            BuildReferenceFigure(lengths, kCanvasHeight, LimbDirectionsFor(posture)));
        ScenePoint mean;
        for (std::size_t j = 0; j < shape.size(); ++j) {
            if (marked[j]) {
                mean.xM += shape[j].xM / count;
                mean.heightM += shape[j].heightM / count;
            }
        }
        // The turn that lays the posture's points best onto the marked ones (2-D Procrustes).
        double dot = 0, cross = 0;
        for (std::size_t j = 0; j < shape.size(); ++j) {
            if (marked[j]) {
                const double px = shape[j].xM - mean.xM, py = shape[j].heightM - mean.heightM;
                const double qx = marked[j]->xM - markedMean.xM;
                const double qy = marked[j]->heightM - markedMean.heightM;
                dot += px * qx + py * qy;
                cross += px * qy - py * qx;
            }
        }
        const double turn = std::atan2(cross, dot), c = std::cos(turn), s = std::sin(turn);
        BodyPoints placed;
        double error = 0;
        for (std::size_t j = 0; j < shape.size(); ++j) {
            const double px = shape[j].xM - mean.xM, py = shape[j].heightM - mean.heightM;
            placed[j] = {markedMean.xM + px * c - py * s, markedMean.heightM + px * s + py * c};
            if (marked[j]) {
                error += std::pow(placed[j].xM - marked[j]->xM, 2) +
                         std::pow(placed[j].heightM - marked[j]->heightM, 2);
                placed[j] = *marked[j];
            }
        }
        if (error < bestError) {
            bestError = error;
            best = placed;
        }
    }
    return best;
}

} // namespace purzo
