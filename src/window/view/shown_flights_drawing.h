// SPDX-License-Identifier: MIT
// How the canvas draws a figure and the flights of the log beside the current one: alone, each
// whole with its last figure; in a comparison, each as far as the shared moment after take-off.
#pragma once

#include "window/view/drawn_figure.h"
#include "window/view/shown_flight.h"

#include <QColor>
#include <QPolygonF>
#include <QTransform>
#include <cstddef>
#include <optional>
#include <vector>

class QPainter;

namespace purzo {

// The figure's lines and head in `colour`, the pen `penPx` device pixels wide whatever the
// transform.
void DrawFigure(QPainter& painter, const DrawnFigure& figure, const QTransform& transform,
                const QColor& colour, double penPx);

// How many of a flight's frames stand at the moment the comparison's clock has shown
// `clockFrames` frames: as many, or all of them once it has landed. Every flight's frames share
// one time base, 1/17 s apart from take-off.
std::size_t FramesAtMoment(std::size_t flightFrames, std::size_t clockFrames);

// What of the flights to draw: a comparison draws its box between their paths and their
// figures, so that the box never hides a figure.
enum class ShownParts { Paths, Figures, All };

// Each flight with its path and markers, its figure and its label. With `moment`, each only as
// far as that moment (in the clock's frames) and labelled with its group too.
void DrawShownFlights(QPainter& painter, const std::vector<ShownFlight>& flights,
                      const QTransform& transform, std::optional<std::size_t> moment, double scale,
                      double penPx, ShownParts parts = ShownParts::All);

// The paths of the flights as drawn, in widget pixels, as far as `moment` if given.
std::vector<QPolygonF> ShownPaths(const std::vector<ShownFlight>& flights,
                                  const QTransform& transform, std::optional<std::size_t> moment);

} // namespace purzo
