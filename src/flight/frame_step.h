// SPDX-License-Identifier: MIT
// One flight, advanced frame by frame: flight point, posture, centre of mass, rotated figure,
// landing test.
#pragma once

#include "body/figure.h"
#include "body/point.h"
#include "body/rotated_figure.h"
#include "flight/flight_parameters.h"

namespace purzo {

struct FrameResult {
    int frame = 0;      // counts from 1
    double flightX = 0; // m from take-off, the loop value of this frame
    double flightY = 0; // m above take-off height
    double pathX = 0;   // canvas point of the centre of mass
    double pathY = 0;
    int posture = 1;
    int rotationDeg = 0; // accumulated, never wrapped
    double rotationRad = 0;
    double bodyComX = 0; // the reference figure's centre of mass
    double bodyComHeight = 0;
    Figure figure;        // the rotated figure
    double hipX = 0;      // its hip before the trunk's offset: canvas x
    double hipHeight = 0; // and height above the ground line
    DrawnFigure drawn;    // what the canvas draws
    double lowestPointY = 0;
    bool landed = false;    // this frame's landing test ended the flight
    bool lastFrame = false; // no frame follows (landed, or the loop bound passed)
};

struct Flight {
    FlightParameters params;
    double flightX = 0;
    int rotationDeg = 0;
    int framesRun = 0;
    bool ended = false;
    FrameResult last;
};

Flight StartFlight(const FlightParameters& params);

// Runs the next frame with the posture read for it. On an ended flight it changes nothing and
// returns the last frame again.
FrameResult RunFrame(Flight& flight, int posture);

// The landing test: the lowest point below the ground threshold, once past the first 0.1 m.
bool LandingEndsFlight(double lowestPointY, double flightX);

// The centre of mass on its parabola at flightX metres.
struct FlightPoint {
    double flightY = 0; // m above take-off height
    Point path;         // canvas units
};
FlightPoint ComputeFlightPoint(const FlightParameters& params, double flightX);

} // namespace purzo
