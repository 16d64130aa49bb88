// SPDX-License-Identifier: MIT
// The fixed numbers of the flight, each with its unit; nothing here changes at run time.
#pragma once

namespace purzo {

inline constexpr double kGravity = 9.81;       // m/s²
inline constexpr double kTakeoffHeightM = 0.8; // centre of mass above the ground at take-off

// One frame stands for 1/17 s of flight.
inline constexpr double kFramesPerSecond = 17.0;
// A flight that has not touched down by then ends all the same (it cannot happen for the
// take-offs the check accepts: the longest lands after 30 frames).
inline constexpr int kMostFlightFrames = 245;

// Take-off ranges, both ends included, and the standard values that replace an entry outside
// them. Whole numbers, as the scroll bars step.
inline constexpr int kMinSpeed = 4;  // m/s
inline constexpr int kMaxSpeed = 8;  // m/s
inline constexpr int kMinAngle = 30; // degrees
inline constexpr int kMaxAngle = 80; // degrees
inline constexpr int kStandardSpeed = 5;
inline constexpr int kStandardAngle = 50;
// The take-off the window opens with.
inline constexpr int kDesignSpeed = 6;  // m/s
inline constexpr int kDesignAngle = 60; // degrees

// Frame loop: flightX runs to this bound (m) unless a landing ends it first.
inline constexpr double kLoopBoundM = 10.0;
// A lowest point below this canvas y (0.1 m above the ground line) lands the figure ...
inline constexpr double kGroundThresholdY = 147.0;
// ... but only once the centre of mass has covered more than this distance (m).
inline constexpr double kMinLandingDistanceM = 0.1;

} // namespace purzo
