// SPDX-License-Identifier: MIT
// The model's figure takes the log's first flight colour, its centre path the canvas's path
// colour, so that a student recognises them from the canvas.
#include "window/video/video_overlay.h"

#include "design/canvas_design.h"
#include "window/view/flight_marks.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace purzo {
namespace {

QPointF At(const QTransform& t, PixelPoint p) {
    return t.map(QPointF(p.x, p.y));
}

// The figure's bones, joint to joint.
constexpr std::array<std::pair<Joint, Joint>, 6> kBones{{{Joint::Head, Joint::Shoulder},
                                                         {Joint::Shoulder, Joint::Elbow},
                                                         {Joint::Elbow, Joint::Hand},
                                                         {Joint::Shoulder, Joint::Hip},
                                                         {Joint::Hip, Joint::Knee},
                                                         {Joint::Knee, Joint::Foot}}};

void DrawFloorAndStick(QPainter& painter, const VideoOverlay& o, const QTransform& t,
                       double scale) {
    if (o.floorAt) {
        // Far enough either way to cross any frame.
        const double reach = 1e5;
        const PixelPoint a{o.floorAt->x - o.floorDirection.x * reach,
                           o.floorAt->y - o.floorDirection.y * reach};
        const PixelPoint b{o.floorAt->x + o.floorDirection.x * reach,
                           o.floorAt->y + o.floorDirection.y * reach};
        painter.setPen(QPen(QColor(0, 200, 255), 2 * scale, Qt::DashLine));
        painter.drawLine(At(t, a), At(t, b));
    }
    if (!o.stickA) {
        return;
    }
    const QColor stick(255, 220, 0);
    if (o.stickB) {
        painter.setPen(QPen(QColor(0, 0, 0, 160), 6 * scale, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(At(t, *o.stickA), At(t, *o.stickB));
        painter.setPen(QPen(stick, 3 * scale, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(At(t, *o.stickA), At(t, *o.stickB));
    }
    painter.setPen(QPen(Qt::black, 1.5 * scale));
    painter.setBrush(stick);
    for (const auto& end : {o.stickA, o.stickB}) {
        if (end) {
            painter.drawEllipse(At(t, *end), 5 * scale, 5 * scale);
        }
    }
    if (o.stickB && !o.stickLabel.isEmpty()) {
        const QPointF mid = (At(t, *o.stickA) + At(t, *o.stickB)) / 2;
        const QRectF box = painter.fontMetrics().boundingRect(o.stickLabel).adjusted(-4, -2, 4, 2);
        const QRectF placed = box.translated(mid + QPointF(10 * scale, 0) - box.topLeft() -
                                             QPointF(0, box.height() / 2));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 210));
        painter.drawRect(placed);
        painter.setPen(Qt::black);
        painter.drawText(placed, Qt::AlignCenter, o.stickLabel);
    }
    painter.setBrush(Qt::NoBrush);
}

void DrawMarks(QPainter& painter, const VideoOverlay& o, const QTransform& t, double scale) {
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.5 * scale));
    for (const auto& [from, to] : kBones) {
        const auto& a = MarkOf(o.marks, from);
        const auto& b = MarkOf(o.marks, to);
        if (a && b) {
            painter.drawLine(At(t, *a), At(t, *b));
        }
    }
    for (const Joint joint : kJoints) {
        if (const auto& m = MarkOf(o.marks, joint)) {
            painter.setPen(QPen(Qt::black, 1.5 * scale));
            painter.setBrush(QColor(255, 255, 255));
            painter.drawEllipse(At(t, *m), 4.5 * scale, 4.5 * scale);
            if (o.offered == joint) {
                painter.setBrush(Qt::NoBrush);
                painter.setPen(QPen(QColor(255, 220, 0), 2 * scale));
                painter.drawEllipse(At(t, *m), 9 * scale, 9 * scale);
            }
        }
    }
    painter.setBrush(Qt::NoBrush);
}

void DrawFit(QPainter& painter, const VideoOverlay& o, const QTransform& t, double scale) {
    const QColor path = ColourOf(kPathColour);
    if (o.parabola.size() > 1) {
        QPolygonF line;
        for (const PixelPoint& p : o.parabola) {
            line << At(t, p);
        }
        painter.setPen(QPen(path, 2 * scale, Qt::DashLine));
        painter.drawPolyline(line);
    }
    // The fitted model in the log's first colour; "what if" in its second, dashed.
    for (const auto& [figure, style] :
         {std::pair{o.model, Qt::SolidLine}, std::pair{o.whatIf, Qt::DashLine}}) {
        if (!figure) {
            continue;
        }
        const QColor colour = ColourOf(kShownFlightStyles[style == Qt::SolidLine ? 0 : 1].colour);
        const auto& m = *figure;
        painter.setPen(QPen(colour, 3 * scale, style, Qt::RoundCap, Qt::RoundJoin));
        for (const auto& [from, to] : kBones) {
            if (from != Joint::Head) {
                painter.drawLine(At(t, m[std::size_t(from)]), At(t, m[std::size_t(to)]));
            }
        }
        // The head a circle reaching down to the shoulders.
        const QPointF head = At(t, m[std::size_t(Joint::Head)]);
        const QPointF shoulder = At(t, m[std::size_t(Joint::Shoulder)]);
        const double r = 0.5 * std::hypot(head.x() - shoulder.x(), head.y() - shoulder.y());
        painter.drawEllipse(head, r, r);
    }
    if (o.parabolaNow) {
        painter.setPen(QPen(path, 1.5 * scale));
        painter.setBrush(Qt::white);
        painter.drawEllipse(At(t, *o.parabolaNow), 4 * scale, 4 * scale);
    }
    if (o.centre) {
        // The measured centre: a filled disc with a cross, as the canvas marks its centre.
        const QPointF c = At(t, *o.centre);
        const double r = 5 * scale;
        painter.setPen(QPen(Qt::white, 1.5 * scale));
        painter.setBrush(path);
        painter.drawEllipse(c, r, r);
        painter.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
        painter.drawLine(c - QPointF(0, r), c + QPointF(0, r));
    }
    painter.setBrush(Qt::NoBrush);
}

} // namespace

void DrawVideoOverlay(QPainter& painter, const VideoOverlay& overlay, const QTransform& toWidget,
                      double scale) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawFloorAndStick(painter, overlay, toWidget, scale);
    DrawFit(painter, overlay, toWidget, scale);
    DrawMarks(painter, overlay, toWidget, scale);
    painter.restore();
}

} // namespace purzo
