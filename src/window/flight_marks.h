// SPDX-License-Identifier: MIT
// How a shown flight is told apart on paper: its dash pattern, its marker shape and its number.
// Used by the canvas and the charts.
#pragma once

#include "design/canvas_design.h"

#include <QColor>
#include <QPen>
#include <QPointF>

class QPainter;

namespace purzo {

QColor ColourOf(Argb argb);
// A pen of the style's colour and dashes, `widthPx` wide.
QPen FlightPen(const FlightStyle& style, double widthPx);
// The style's marker centred on `at`, `radiusPx` from its centre to its tips.
void DrawMarker(QPainter& painter, QPointF at, const FlightStyle& style, double radiusPx);
// The flight's number in its colour on a white halo, its left edge at `at`.
void DrawFlightNumber(QPainter& painter, QPointF at, int number, const FlightStyle& style,
                      double scale);

} // namespace purzo
