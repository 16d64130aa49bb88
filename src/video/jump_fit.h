// SPDX-License-Identifier: MIT
// The student's jump read off the marks: the centre of mass in every frame after the segment
// model, the parabola through the flight's centres (g given, and g free as a check), the take-off
// speed, angle and height, the shape in every frame, the angular momentum that carries the exact
// model's turn through those shapes onto the trunk's measured angle, and the residuals.
#pragma once

#include "body/athlete.h"
#include "body/posture_table.h"
#include "video/body_marks.h"
#include "video/body_points.h"
#include "video/stick_calibration.h"

#include <optional>
#include <variant>
#include <vector>

namespace purzo {

// Fewer airborne frames with marks than this give no fit.
inline constexpr int kFewestFittedFrames = 5;
// A foot closer to the floor than this stands on it, m.
inline constexpr double kFloorContactM = 0.03;

struct JumpFitInput {
    Calibration calibration;
    std::vector<double> timesS;    // every frame's time, as the file holds it
    std::vector<FrameMarks> marks; // one per frame; a frame nobody marked is empty
    double massKg = kStandardAthlete.massKg;
    // Corrections by hand: the last frame on the floor before the flight and the first one
    // back on it, as indices into the frames.
    std::optional<int> lastFloorFrame;
    std::optional<int> touchdownFrame;
};

struct FittedFrame {
    double timeS = 0;
    bool airborne = false;
    ScenePoints marked;               // the marks in the plane of the jump
    std::optional<BodyPoints> points; // with the missing ones from the best-fitting posture
    bool completed = false;           // some points came from that posture
    std::optional<ScenePoint> centre; // of mass, after the segment model
    double trunkDeg = 0;              // hip to shoulder, clockwise from straight up
    LimbDegrees shape; // the limbs against the trunk, as the posture table writes them
    int nearestPosture = kFirstPosture;
    // Airborne frames only.
    ScenePoint parabola;            // the fitted parabola at this frame's time
    double centreResidualM = 0;     // the centre's distance from it
    double modelRotationDeg = 0;    // the exact model's trunk angle with the fitted L
    double rotationResidualDeg = 0; // measured minus model
    BodyPoints model{};             // the model's figure at this frame's time
};

enum class FitWarning {
    PointsCompleted,    // some frames lacked points; the best-fitting posture filled them
    SpeedOutsideModel,  // the model flies at the nearest allowed speed
    AngleOutsideModel,  // the model flies at the nearest allowed angle
    SpinOutsideRange,   // the athlete's spin held at the nearest allowed value
    HeightOutsideRange, // the body's height from the marks is held at the nearest allowed value
    NoFloorBefore,      // no frame on the floor before the flight: the take-off height assumed
    MarksMissing,       // airborne frames without enough marks (the athlete out of the picture)
};

struct JumpFit {
    std::vector<FittedFrame> frames;
    int lastFloorFrame = -1;  // -1: the video starts in the air
    int touchdownFrame = -1;  // -1: the video ends in the air
    double takeoffS = 0;      // video time of the take-off, within its frame interval
    ScenePoint takeoffCentre; // where the centre of mass left the floor
    bool toTheLeft = false;   // the jump goes to the left of the picture: measured mirrored
    double touchdownS = 0;    // video time the lowest point comes back to the floor
    double speedMPerS = 0;
    double angleDeg = 0;
    double takeoffHeightM = 0;
    double gravityMPerS2 = 0; // from the parabola with g free
    double angularMomentumKgM2PerS = 0;
    double spinDegPerS = 0;     // the stretched body's turn that carries that L
    double centreResidualM = 0; // RMS over the airborne frames
    double rotationResidualDeg = 0;
    double bodyHeightM = 0; // from the marked segments' lengths
    int completedFrames = 0;
    // What the model flies: within its ranges.
    double modelSpeedMPerS = 0;
    double modelAngleDeg = 0;
    Athlete athlete;
    std::vector<FitWarning> warnings;
};

enum class FitProblem {
    NoCalibration,        // the stick gives no scale
    TooFewAirborneFrames, // only `value` airborne frames carry enough marks
};
struct FitFailure {
    FitProblem problem;
    double value = 0;
};

std::variant<JumpFit, FitFailure> FitJump(const JumpFitInput& input);

} // namespace purzo
