// SPDX-License-Identifier: MIT
#include "window/view/side_by_side_drawing.h"

#include "body/canvas_units.h"
#include "design/canvas_design.h"
#include "design/side_by_side_grid.h"
#include "window/view/drawn_figure.h"
#include "window/view/flight_marks.h"
#include "window/view/shown_flights_drawing.h"
#include "window/view/view_transform.h"

#include <QPainter>
#include <algorithm>

namespace purzo {
namespace {

const QRectF kWholeViewRect(kWholeView.left, kWholeView.top, kWholeView.width, kWholeView.height);

QRectF ToRect(const GridRect& r, const QPointF& origin) {
    return {origin.x() + r.x, origin.y() + r.y, r.width, r.height};
}

// The hall behind one cell, as the canvas draws it behind its area.
void DrawCellHall(QPainter& painter, const SideBySideLook& look, HallBackground& hall,
                  const QRectF& cell, const QTransform& t) {
    const QTransform local = t * QTransform::fromTranslate(-cell.left(), -cell.top());
    const HallView view{cell.size().toSize(), look.wholeView, cell.width() / kCanvasAreaWidthPx,
                        local, look.ratio};
    const QPixmap picture = look.freshHall ? hall.draw(view) : hall.at(HallBackground::Cell, view);
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.drawPixmap(cell.topLeft(), picture);
    painter.restore();
}

void DrawCurrentPath(QPainter& painter, const std::vector<FrameResult>& frames, const QTransform& t,
                     double scale) {
    QPolygonF path;
    for (const FrameResult& f : frames) {
        path << t.map(QPointF(f.pathX, f.pathY));
    }
    painter.resetTransform();
    painter.setPen(QPen(ColourOf(kPathColour), kPathPenPx * scale, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(path);
}

} // namespace

void DrawSideBySide(QPainter& painter, const SideBySideLook& look, HallBackground& hall,
                    const std::vector<ShownFlight>& flights,
                    const std::vector<FrameResult>& current, std::size_t moment,
                    const ComparisonTable& table) {
    const int count = int(flights.size()) + (current.empty() ? 0 : 1);
    // The designed view is stretched a little to the drawing area's shape, as on the canvas.
    const double aspect = look.wholeView ? kWholeViewRect.width() / kWholeViewRect.height()
                                         : double(kCanvasAreaWidthPx) / kCanvasAreaHeightPx;
    const SideBySideGrid grid =
        SideBySideGridFor(look.area.width(), look.area.height(), count, look.scale, aspect);
    painter.fillRect(look.area, look.blank);
    const double cellScale = look.scale * grid.markFactor;
    const double penPx = kFigurePenPx * cellScale * look.ratio;

    std::vector<QTransform> transforms;
    std::vector<QPolygonF> paths;
    for (std::size_t i = 0; i < grid.cells.size(); ++i) {
        const QRectF cell = ToRect(grid.cells[i], look.area.topLeft());
        transforms.push_back(ViewTransform(look.wholeView, cell));
        DrawCellHall(painter, look, hall, cell, transforms.back());
        painter.save();
        painter.setClipRect(cell, Qt::IntersectClip);
        if (i < flights.size()) {
            const std::vector<ShownFlight> one{flights[i]};
            DrawShownFlights(painter, one, transforms.back(), moment, cellScale, penPx,
                             ShownParts::Paths);
            const std::vector<QPolygonF> drawn = ShownPaths(one, transforms.back(), moment);
            paths.insert(paths.end(), drawn.begin(), drawn.end());
        } else {
            DrawCurrentPath(painter, current, transforms.back(), cellScale);
        }
        painter.restore();
    }

    // The table in the free cells, else where the paths leave most room; figures over it.
    const QRectF room = grid.table ? ToRect(*grid.table, look.area.topLeft()) : look.area;
    const double margin = kPanelMarginPx * look.panelScale;
    const FittedBox fitted = grid.table
                                 ? FitComparisonBox(table, look.font, look.panelScale,
                                                    room.adjusted(0, margin, 0, -margin), 1.0)
                                 : FitComparisonBox(table, look.font, look.panelScale, room);
    const QRectF box =
        grid.table ? QRectF(room.center() - QPointF(fitted.size.width(), fitted.size.height()) / 2,
                            fitted.size)
                   : ComparisonBoxPlace(fitted.size, room, paths, kPanelMarginPx * fitted.scale);
    painter.resetTransform();
    DrawComparisonBox(painter, box, table, fitted.font, fitted.scale);

    for (std::size_t i = 0; i < grid.cells.size(); ++i) {
        painter.save();
        painter.setClipRect(ToRect(grid.cells[i], look.area.topLeft()), Qt::IntersectClip);
        if (i < flights.size()) {
            DrawShownFlights(painter, {flights[i]}, transforms[i], moment, cellScale, penPx,
                             ShownParts::Figures);
        } else {
            DrawFigure(painter, ToDrawn(current.back().figure), transforms[i], Qt::black, penPx);
        }
        painter.restore();
    }
}

} // namespace purzo
