// SPDX-License-Identifier: MIT
// The fixed numbers of the flight model, each with its unit; nothing here changes at run time.
#pragma once

#include <cstdint>

namespace purzo {

// Degrees become radians with this five-decimal value everywhere, not with the exact constant:
// the worked frames depend on it.
inline constexpr double kPi = 3.14159;
inline constexpr double kGravity = 9.81;            // m/s²
inline constexpr std::int16_t kUnitsPerMetre = 30;  // canvas units per metre
inline constexpr float kCanvasScaleHeight = 150.0f; // canvas units, the ground line
inline constexpr float kCanvasScaleWidth = 200.0f;  // canvas units

// Segment lengths in metres; multiplied by kUnitsPerMetre at load.
inline constexpr double kTrunkFactor = 0.6;
inline constexpr double kUpperArmFactor = 0.4;
inline constexpr double kForearmFactor = 0.3;
inline constexpr double kThighFactor = 0.4;
inline constexpr double kShankFactor = 0.4;
inline constexpr double kHeadRadiusFactor = 0.15;
inline constexpr double kNeckFactor = 0.1;

// Take-off ranges (closed) and the standard values that replace an out-of-range entry.
inline constexpr double kMinSpeed = 4.0;  // m/s
inline constexpr double kMaxSpeed = 8.0;  // m/s
inline constexpr double kMinAngle = 30.0; // degrees
inline constexpr double kMaxAngle = 80.0; // degrees
inline constexpr const char* kStandardSpeedText = "5";
inline constexpr const char* kStandardAngleText = "50";

// One frame stands for 1/17 s of flight.
inline constexpr double kFramesPerSecond = 17.0;

// Pause before each frame for the three paces, in milliseconds.
inline constexpr std::int32_t kRealTimeDelayMs = 59;
inline constexpr std::int32_t kSlowMotionDelayMs = 118;
inline constexpr std::int32_t kExtremeSlowMotionDelayMs = 235;

// Frame loop: flightX runs to this bound (m) unless a landing ends it first.
inline constexpr double kLoopBoundM = 10.0;
// A lowest point below this canvas y (0.1 m above the ground line) lands the figure ...
inline constexpr double kGroundThresholdY = 147.0;
// ... but only once the centre of mass has covered more than this distance (m).
inline constexpr double kMinLandingDistanceM = 0.1;

// The reference figure stands with its hip here: x in canvas units, height above the ground.
inline constexpr double kReferenceHipX = 450.0;
inline constexpr double kReferenceHipHeight = 400.0;

// Placement of the rotated figure about its centre of mass: directions in radians added to the
// rotation, and the offset (canvas units) given to hip and shoulder.
inline constexpr double kHipPlacementRad = 3.5;
inline constexpr double kShoulderPlacementRad = 6.08;
inline constexpr double kNeckPlacementRad = 6.28;
inline constexpr double kTrunkOffsetX = 8.0;
inline constexpr double kTrunkOffsetY = -2.0;

// Take-off height text of the hidden height box as the window is designed.
inline constexpr const char* kTakeoffHeightText = "0,8";

} // namespace purzo
