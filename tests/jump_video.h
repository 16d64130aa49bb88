// SPDX-License-Identifier: MIT
// Videos of known jumps for the tests: the figure's seven points as coloured markers on its
// segments, a stick and the floor over a noisy background, encoded by Debian's ffmpeg. The
// flight is computed here on its own, from the body's inertia: the centre of mass on its
// parabola, the turn integrated finely from the conserved angular momentum through a tuck.
#pragma once

#include "body/athlete.h"
#include "video/stick_calibration.h"

#include <QString>
#include <array>
#include <vector>

namespace purzo::test {

struct JumpTuck {
    double startS = 0; // after the take-off
    double lengthS = 0;
    int posture = 1;
};

struct JumpScene {
    double speedMPerS = 6;
    double angleDeg = 60;
    Athlete athlete; // its spin is the take-off's
    JumpTuck tuck;   // none when lengthS is 0
    double framesPerSecond = 30;
    bool variableRate = false; // rendered at four times the rate and thinned irregularly
    bool vp9 = false;
    double rollDeg = 0;        // the camera turned clockwise about the picture's centre
    double noise = 12;         // grey levels, the background's spread
    bool noisyMarkers = false; // the noise over the whole picture, the markers too
};

struct RenderedJump {
    QString file;
    std::array<double, 4> stickPx{}; // its ends, foot first: X1,Y1,X2,Y2
    std::vector<double> timesS;      // of the frames the file holds
    std::vector<PixelPoint> hipPx;   // the hip drawn in each
    std::vector<bool> airborne;
    std::vector<FrameMarks> marks; // the seven points exactly where they are drawn
    double takeoffS = 0;
    double takeoffHeightM = 0;
    double touchdownS = 0;
};

inline constexpr std::array<const char*, kJointCount> kMarkerColours{
    "#ff0000", "#00ff00", "#0000ff", "#ffff00", "#ff00ff", "#00ffff", "#ff8000"};
QString MarkersOption();

// Renders the jump into `directory`/`name` (.mp4 or .webm by the codec); an empty file name when
// ffmpeg failed.
RenderedJump RenderJump(const JumpScene& scene, const QString& directory, const QString& name);
// The same frames without a video: their times and exact marks.
RenderedJump TraceJump(const JumpScene& scene);

} // namespace purzo::test
