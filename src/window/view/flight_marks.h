// SPDX-License-Identifier: MIT
// How a shown flight is told apart on paper: its dash pattern, its marker shape and its number.
// Used by the canvas and the charts.
#pragma once

#include "design/canvas_design.h"

#include <QColor>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <vector>

class QFont;
class QPainter;
class QRectF;

namespace purzo {

QColor ColourOf(Argb argb);
// A pen of the style's colour and dashes, `widthPx` wide.
QPen FlightPen(const FlightStyle& style, double widthPx);
// The style's marker centred on `at`, `radiusPx` from its centre to its tips.
void DrawMarker(QPainter& painter, QPointF at, const FlightStyle& style, double radiusPx);
// A flight's centre-of-mass path in its pen, with its marker at every frame.
void DrawMarkedPath(QPainter& painter, const QPolygonF& points, const FlightStyle& style,
                    double scale);

struct LegendEntry {
    QString text; // "Flug 3: 6 m/s, 60°, exakt"
    std::size_t style = 0;
};
// The shown flights' legend in a box at the top of `area`, at its right or left edge: a sample
// of each flight's line with its marker, and its text.
void DrawLegend(QPainter& painter, const QRectF& area, bool right,
                const std::vector<LegendEntry>& entries, const QFont& font, double scale);

// A bar one metre long, labelled "1 m", its right end at `rightEnd`, for measuring on paper.
void DrawScaleBar(QPainter& painter, QPointF rightEnd, double pxPerMetre, double scale);

// The flight's label (its number, in a comparison its group too) in its colour on a white halo,
// its left edge at `at`.
void DrawFlightLabel(QPainter& painter, QPointF at, const QString& label, const FlightStyle& style,
                     double scale);

} // namespace purzo
