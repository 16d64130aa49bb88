// SPDX-License-Identifier: MIT
// One flight, advanced frame by frame in either model. The classic frame: flight point, posture,
// centre of mass, rotated figure, landing test.
#pragma once

#include "body/athlete.h"
#include "body/body_inertia.h"
#include "body/figure.h"
#include "body/lowest_point.h"
#include "body/point.h"
#include "body/posture_table.h"
#include "flight/flight_parameters.h"
#include "flight/model.h"

namespace purzo {

struct FrameResult {
    int frame = 0;      // counts from 1
    double timeS = 0;   // s after take-off; the exact touchdown at its own time
    double flightX = 0; // m from take-off: the classic's loop value, the exact model's x(t)
    double pathX = 0;   // canvas point of the centre of mass
    double pathY = 0;
    int posture = 1;        // read for this frame: the one chosen
    LimbDegrees shape;      // shown: the exact model's limbs on their way to the chosen posture
    double rotationDeg = 0; // accumulated, never wrapped; whole degrees in the classic model
    double bodyComX = 0;    // the reference figure's centre of mass, of the shape shown
    double bodyComHeight = 0;
    Figure figure; // as drawn
    // Classic: the hip as placed about the flight point, before the trunk is shifted.
    double unshiftedHipX = 0;
    double unshiftedHipHeight = 0; // height above the ground line
    double lowestPointY = 0;
    BodyPart lowestPart = BodyPart::Foot; // the joint or the head's rim lowest in this frame
    // Exact model only.
    double omegaDegPerS = 0;            // mean over the interval that ends at this frame
    double omegaNowDegPerS = 0;         // at the frame's time: (L − H) / I
    double inertiaKgM2 = 0;             // of the shape shown
    double shapeMomentumKgM2PerS = 0;   // H, of the limbs moving at the rates of that interval
    double angularMomentumKgM2PerS = 0; // L = Iω + H, conserved
    double rotationalEnergyJ = 0;       // about the centre of mass, every part's own spin included
    bool landed = false;                // this frame ended the flight on the ground
    bool lastFrame = false;             // no frame follows (landed, or the loop bound passed)
};

// What the exact model carries from frame to frame.
struct ExactState {
    MassiveBody body;
    double takeoffHeightM = 0;
    double angularMomentum = 0; // kg·m²/s
    double thetaRad = 0;
    LimbDegrees shape; // reached at the end of the last interval
};

struct Flight {
    FlightParameters params;
    Model model = Model::Classic;
    Athlete athlete;     // the exact model's; the classic flies the standard figure
    double flightX = 0;  // classic loop value, m
    int rotationDeg = 0; // classic
    ExactState exact;
    int framesRun = 0;
    bool ended = false;
    FrameResult last;
};

Flight StartFlight(const FlightParameters& params, Model model = Model::Classic,
                   const Athlete& athlete = kStandardAthlete);

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
