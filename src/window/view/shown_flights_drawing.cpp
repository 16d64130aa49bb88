// SPDX-License-Identifier: MIT
#include "window/view/shown_flights_drawing.h"

#include "design/canvas_design.h"
#include "window/view/flight_marks.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace purzo {

void DrawFigure(QPainter& painter, const DrawnFigure& figure, const QTransform& transform,
                const QColor& colour, double penPx) {
    painter.setTransform(transform);
    QPen pen(colour, penPx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const CanvasLine& l : figure.lines) {
        painter.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
    }
    // The radius is in x units; the y radius is adjusted so that the head is round on screen.
    const CanvasCircle& h = figure.head;
    painter.drawEllipse(QPointF(h.x, h.y), h.radius, h.radius * transform.m11() / transform.m22());
}

std::size_t FramesAtMoment(std::size_t flightFrames, std::size_t clockFrames) {
    return std::min(flightFrames, clockFrames);
}

std::vector<QPolygonF> ShownPaths(const std::vector<ShownFlight>& flights,
                                  const QTransform& transform, std::optional<std::size_t> moment) {
    std::vector<QPolygonF> paths;
    for (const ShownFlight& flight : flights) {
        const std::size_t count =
            moment ? FramesAtMoment(flight.frames.size(), *moment) : flight.frames.size();
        QPolygonF points;
        for (std::size_t i = 0; i < count; ++i) {
            points << transform.map(QPointF(flight.frames[i].pathX, flight.frames[i].pathY));
        }
        paths.push_back(points);
    }
    return paths;
}

void DrawShownFlights(QPainter& painter, const std::vector<ShownFlight>& flights,
                      const QTransform& transform, std::optional<std::size_t> moment, double scale,
                      double penPx, ShownParts parts) {
    const std::vector<QPolygonF> paths = ShownPaths(flights, transform, moment);
    for (std::size_t n = 0; n < flights.size(); ++n) {
        const ShownFlight& flight = flights[n];
        if (paths[n].isEmpty()) {
            continue;
        }
        const FlightStyle& style = kShownFlightStyles[flight.style % std::size(kShownFlightStyles)];
        if (parts != ShownParts::Figures) {
            // In widget pixels, so that path and markers keep their size in either view.
            painter.resetTransform();
            DrawMarkedPath(painter, paths[n], style, scale);
        }
        if (parts == ShownParts::Paths) {
            continue;
        }
        const DrawnFigure figure = ToDrawn(flight.frames[std::size_t(paths[n].size()) - 1].figure);
        DrawFigure(painter, figure, transform, ColourOf(style.colour), penPx);
        painter.resetTransform();
        // The label above the head, where no part of the figure stands.
        const QPointF head = transform.map(QPointF(figure.head.x, figure.head.y));
        const QString label = moment && !flight.group.isEmpty()
                                  ? QStringLiteral("%1 %2").arg(flight.number).arg(flight.group)
                                  : QString::number(flight.number);
        DrawFlightLabel(painter, head + QPointF(6, -8) * scale, label, style, scale);
    }
}

} // namespace purzo
