// SPDX-License-Identifier: MIT
// The figure's seven points in the plane of the jump, in metres: its centre of mass after the
// segment model, its shape, its size, and the points a frame lacks taken from the posture that
// fits the marked ones best.
#pragma once

#include "body/figure.h"
#include "body/posture_table.h"
#include "body/segment_lengths.h"
#include "video/body_marks.h"
#include "video/stick_calibration.h"

#include <array>
#include <optional>
#include <vector>

namespace purzo {

using BodyPoints = std::array<ScenePoint, kJointCount>;
using ScenePoints = std::array<std::optional<ScenePoint>, kJointCount>;

// The centre of mass of the seven points: the five massive segments at their fractions from
// the joint nearer the trunk, the head at its centre.
ScenePoint CentreOfPoints(const BodyPoints& points);

// The shape of the body: the trunk from hip to shoulder clockwise from straight up (true
// degrees), the limbs against it in the posture table's degrees, each within half a turn of
// the middle of the table's values for it.
struct MeasuredShape {
    double trunkDeg = 0;
    LimbDegrees limbs;
};
MeasuredShape ShapeOfPoints(const BodyPoints& points);

// The posture whose shape lies nearest: the least sum of squared limb differences.
int NearestPosture(const LimbDegrees& shape);

// The standing height whose figure's segments best match the marked ones' lengths (least
// squares over the medians of every segment marked at both ends in any frame), m; nothing when
// no segment is.
std::optional<double> BodyHeightOfMarks(const std::vector<ScenePoints>& frames);

// A figure laid out by the model (canvas units) as points of the plane of the jump, and back.
BodyPoints PointsOfFigure(const Figure& figure);
Point CanvasPointOf(ScenePoint p);

// The frame's points with the missing ones from the posture that, turned and moved as one body,
// lies nearest the marked ones; nothing below three marked points. `completed` tells whether
// any point was filled in.
std::optional<BodyPoints> CompletedPoints(const ScenePoints& marked, const SegmentLengths& lengths,
                                          bool& completed);

} // namespace purzo
