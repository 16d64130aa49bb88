// SPDX-License-Identifier: MIT
// One flight, advanced frame by frame: flight point, posture, centre of mass, rotated figure,
// landing test.
#pragma once

#include "figure_points.h"
#include "flight_parameters.h"
#include "model_state.h"
#include "rotated_figure.h"

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
    FigurePoints points; // the rotated figure as stored after the frame
    DrawnFigure drawn;   // what the canvas draws
    double lowestPointY = 0;
    bool landed = false;    // this frame's landing test ended the flight
    bool lastFrame = false; // no frame follows (landed, or the loop bound passed)
};

struct Flight {
    ModelState model;
    FlightParameters params;
    double flightX = 0;
    int rotationDeg = 0;
    int framesRun = 0;
    bool ended = false;
    FigurePoints points;
    FrameResult last;
};

Flight StartFlight(const ModelState& model, const FlightParameters& params);

// Runs the next frame with the posture read for it. On an ended flight it changes nothing and
// returns the last frame again.
FrameResult RunFrame(Flight& flight, int posture);

// The landing test: the lowest point below the ground threshold, once past the first 0.1 m.
bool LandingEndsFlight(double lowestPointY, double flightX);

// The centre of mass on its parabola at flightX metres, in canvas units.
void FlightPoint(const ModelState& model, const FlightParameters& params, double flightX,
                 double& flightY, double& pathX, double& pathY);

} // namespace purzo
