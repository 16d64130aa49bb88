// SPDX-License-Identifier: MIT
// Markers drawn as paths, so that they look the same on the canvas, in pictures and in print.
#include "window/view/flight_marks.h"

#include "window/view/fonts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>
#include <numbers>

namespace purzo {
namespace {

QPolygonF Regular(QPointF at, double r, int corners, double turnRad) {
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const double a = turnRad + 2 * std::numbers::pi * i / corners;
        polygon << at + QPointF(r * std::sin(a), -r * std::cos(a));
    }
    return polygon;
}

// Text on its baseline at `at`, ringed in white so that it reads on any background. Drawn as
// text, not as a path: as a path it came out a few pixels apart between the first picture made
// and the next, and the worksheet picture must be the same however often it is made.
void DrawHaloText(QPainter& painter, QPointF at, const QString& text, const QFont& font,
                  const QColor& colour, double scale) {
    painter.setFont(font);
    painter.setPen(Qt::white);
    const double r = 1.5 * scale;
    for (const QPointF d : {QPointF(-r, 0), QPointF(r, 0), QPointF(0, -r), QPointF(0, r),
                            QPointF(-r, -r), QPointF(r, r), QPointF(-r, r), QPointF(r, -r)}) {
        painter.drawText(at + d, text);
    }
    painter.setPen(colour);
    painter.drawText(at, text);
}

} // namespace

QColor ColourOf(Argb argb) {
    return QColor::fromRgba(argb);
}

QPen FlightPen(const FlightStyle& style, double widthPx) {
    QPen pen(ColourOf(style.colour), widthPx, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    // Dashes in multiples of the pen's width.
    switch (style.dash) {
    case DashPattern::Solid:
        break;
    case DashPattern::Dash:
        pen.setDashPattern({4, 2});
        break;
    case DashPattern::Dot:
        pen.setDashPattern({1, 2});
        break;
    case DashPattern::DashDot:
        pen.setDashPattern({4, 2, 1, 2});
        break;
    case DashPattern::LongDash:
        pen.setDashPattern({8, 3});
        break;
    case DashPattern::DashDotDot:
        pen.setDashPattern({4, 2, 1, 2, 1, 2});
        break;
    case DashPattern::ShortDash:
        pen.setDashPattern({2, 2});
        break;
    case DashPattern::LongDot:
        pen.setDashPattern({1, 4});
        break;
    }
    return pen;
}

void DrawMarker(QPainter& painter, QPointF at, const FlightStyle& style, double r) {
    const QColor colour = ColourOf(style.colour);
    painter.save();
    painter.setPen(QPen(Qt::white, std::max(1.0, r / 3)));
    painter.setBrush(colour);
    const double pi = std::numbers::pi;
    switch (style.marker) {
    case MarkerShape::Circle:
        painter.drawEllipse(at, r * 0.85, r * 0.85);
        break;
    case MarkerShape::Square:
        painter.drawRect(QRectF(at - QPointF(r * 0.75, r * 0.75), QSizeF(r * 1.5, r * 1.5)));
        break;
    case MarkerShape::TriangleUp:
        painter.drawPolygon(Regular(at, r, 3, 0));
        break;
    case MarkerShape::Diamond:
        painter.drawPolygon(Regular(at, r, 4, 0));
        break;
    case MarkerShape::TriangleDown:
        painter.drawPolygon(Regular(at, r, 3, pi));
        break;
    case MarkerShape::Star:
        painter.drawPolygon(Regular(at, r, 5, 0));
        painter.drawPolygon(Regular(at, r * 0.5, 5, pi / 5));
        break;
    case MarkerShape::Cross:
    case MarkerShape::Plus: {
        // Two bars, with the white edge the filled shapes have.
        const double turn = style.marker == MarkerShape::Cross ? pi / 4 : 0;
        QPainterPath bars;
        for (const double a : {turn, turn + pi / 2}) {
            const QPointF d(r * std::cos(a), r * std::sin(a));
            bars.moveTo(at - d);
            bars.lineTo(at + d);
        }
        QPainterPathStroker stroker;
        stroker.setWidth(r * 0.55);
        painter.drawPath(stroker.createStroke(bars).simplified());
        break;
    }
    }
    painter.restore();
}

void DrawMarkedPath(QPainter& painter, const QPolygonF& points, const FlightStyle& style,
                    double scale) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(FlightPen(style, kPathPenPx * scale));
    painter.drawPolyline(points);
    for (const QPointF& p : points) {
        DrawMarker(painter, p, style, kShownMarkerRadiusPx * scale);
    }
    painter.restore();
}

void DrawLegend(QPainter& painter, const QRectF& area, bool right,
                const std::vector<LegendEntry>& entries, const QFont& font, double scale) {
    if (entries.empty()) {
        return;
    }
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double margin = kPanelMarginPx * scale, sample = 28 * scale;
    const double line = metrics.height() * 1.25;
    double textWidth = 0;
    for (const LegendEntry& e : entries) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(e.text));
    }
    const QSizeF size(margin * 3 + sample + textWidth, margin * 2 + line * double(entries.size()));
    const double left = right ? area.right() - margin - size.width() : area.left() + margin;
    const QRectF box(QPointF(left, area.top() + margin), size);
    painter.setPen(QPen(ColourOf(kPanelBorder), 1));
    painter.setBrush(ColourOf(kPanelBackground));
    painter.drawRect(box);
    double y = box.top() + margin + line / 2;
    for (const LegendEntry& e : entries) {
        const FlightStyle& style = kShownFlightStyles[e.style % std::size(kShownFlightStyles)];
        const double x = box.left() + margin;
        painter.setPen(FlightPen(style, 2 * scale));
        painter.drawLine(QPointF(x, y), QPointF(x + sample, y));
        DrawMarker(painter, QPointF(x + sample / 2, y), style, kShownMarkerRadiusPx * scale);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + sample + margin, y - line / 2, textWidth + 1, line),
                         Qt::AlignVCenter | Qt::AlignLeft, e.text);
        y += line;
    }
    painter.restore();
}

void DrawScaleBar(QPainter& painter, QPointF rightEnd, double pxPerMetre, double scale) {
    painter.save();
    const QPointF left = rightEnd - QPointF(pxPerMetre, 0);
    const double tick = 6 * scale;
    QPainterPath bar;
    bar.moveTo(left + QPointF(0, -tick));
    bar.lineTo(left);
    bar.lineTo(rightEnd);
    bar.lineTo(rightEnd + QPointF(0, -tick));
    QFont font = DefaultFont();
    font.setPixelSize(int(std::lround(kShownLabelPt * 4 / 3 * scale)));
    const QString text = QStringLiteral("1 m");
    const QPointF at((left.x() + rightEnd.x()) / 2 -
                         QFontMetricsF(font).horizontalAdvance(text) / 2,
                     rightEnd.y() - tick);
    // Black on a white halo: it reads on the hall and on a grey print.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 5 * scale, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(bar);
    painter.setPen(QPen(Qt::black, 2 * scale, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(bar);
    DrawHaloText(painter, at, text, font, Qt::black, scale);
    painter.restore();
}

void DrawFlightLabel(QPainter& painter, QPointF at, const QString& label, const FlightStyle& style,
                     double scale) {
    painter.save();
    QFont font = DefaultFont();
    font.setPixelSize(int(std::lround(kShownLabelPt * 4 / 3 * scale)));
    font.setBold(true);
    DrawHaloText(painter, at, label, font, ColourOf(style.colour), scale);
    painter.restore();
}

} // namespace purzo
