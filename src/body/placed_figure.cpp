// SPDX-License-Identifier: MIT
// The hip placed from the centre of mass; the rest laid out from it at the turned directions.
#include "body/placed_figure.h"

#include "body/canvas_units.h"
#include "body/centre_of_mass.h"
#include "body/figure_layout.h"
#include "body/lowest_point.h"
#include "body/reference_figure.h"

#include <cmath>

namespace purzo {
namespace {

Point CanvasCentreOfMass(const Figure& figure) {
    const CentreOfMass com = ComputeCentreOfMass(figure, kCanvasHeight);
    return {com.bodyComX, kCanvasHeight - com.bodyComHeight};
}

} // namespace

Figure PlaceAboutCentreOfMass(const SegmentLengths& lengths, const LimbDirections& limbs,
                              double thetaRad, Point centre) {
    const Figure reference = BuildReferenceFigure(lengths, kCanvasHeight, limbs);
    const Point com = CanvasCentreOfMass(reference);
    const double dx = reference.hip().x - com.x, dy = reference.hip().y - com.y;
    // Clockwise on the canvas, whose y grows downwards.
    const double s = std::sin(thetaRad), c = std::cos(thetaRad);
    const Point hip{centre.x + (dx * c - dy * s), centre.y + (dx * s + dy * c)};
    const Segment trunk{hip, SegmentEnd(hip, lengths.trunkLength, thetaRad)};
    return LayOutFigure(trunk, lengths, limbs, thetaRad, thetaRad);
}

double CentreAboveLowestPoint(const SegmentLengths& lengths, const LimbDirections& limbs) {
    const Figure reference = BuildReferenceFigure(lengths, kCanvasHeight, limbs);
    return LowestContact(reference, lengths.headRadius).y - CanvasCentreOfMass(reference).y;
}

} // namespace purzo
