// SPDX-License-Identifier: MIT
#include "window/view/comparison_box.h"

#include "design/canvas_design.h"
#include "window/view/flight_marks.h"
#include "window/view/posture_strip_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>

namespace purzo {
namespace {

struct Measures {
    double margin, line, sample, nameWidth;
    std::vector<double> columnWidths;
};

// A strip's marks in the table: narrow enough that a flight's frames fit a column.
double StripMark(const Measures& m) {
    return m.line * 0.2;
}

Measures Measure(const ComparisonTable& table, const QFont& font, double scale) {
    const QFontMetricsF metrics(font);
    Measures m{kPanelMarginPx * scale, metrics.height() * 1.2, 28 * scale, 0, {}};
    for (const QString& name : table.rowNames) {
        m.nameWidth = std::max(m.nameWidth, metrics.horizontalAdvance(name));
    }
    for (const ComparisonColumn& column : table.columns) {
        double width = m.sample + m.margin + metrics.horizontalAdvance(column.title);
        for (qsizetype row = 0; row < column.cells.size(); ++row) {
            const QString& cell = column.cells[row];
            width = std::max(width, row == table.stripRow
                                        ? PostureStripWidth(int(cell.size()), StripMark(m))
                                        : metrics.horizontalAdvance(cell));
        }
        m.columnWidths.push_back(width);
    }
    return m;
}

} // namespace

QSizeF ComparisonBoxSize(const ComparisonTable& table, const QFont& font, double scale) {
    if (table.empty()) {
        return {};
    }
    const Measures m = Measure(table, font, scale);
    double width = m.margin * 2 + m.nameWidth;
    for (const double w : m.columnWidths) {
        width += m.margin * 2 + w;
    }
    return {width, m.margin * 2 + m.line * double(table.rowNames.size() + 1)};
}

FittedBox FitComparisonBox(const ComparisonTable& table, const QFont& font, double scale,
                           const QRectF& area, double heightShare) {
    FittedBox fitted{font, scale, ComparisonBoxSize(table, font, scale)};
    const double margin = kPanelMarginPx * scale;
    for (int tries = 0; tries < 8; ++tries) {
        const double room =
            std::min((area.width() - 2 * margin) / std::max(1.0, fitted.size.width()),
                     area.height() * heightShare / std::max(1.0, fitted.size.height()));
        if (room >= 1) {
            break;
        }
        // Text widths do not shrink quite in proportion: a few steps make it fit.
        fitted.font.setPointSizeF(fitted.font.pointSizeF() * room * 0.98);
        fitted.scale *= room * 0.98;
        fitted.size = ComparisonBoxSize(table, fitted.font, fitted.scale);
    }
    return fitted;
}

QRectF ComparisonBoxPlace(const QSizeF& size, const QRectF& area,
                          const std::vector<QPolygonF>& paths, double marginPx) {
    const double left = area.left() + marginPx, right = area.right() - marginPx - size.width();
    const double top = area.top() + marginPx, bottom = area.bottom() - marginPx - size.height();
    const std::array corners{QPointF(right, top), QPointF(left, top), QPointF(right, bottom),
                             QPointF(left, bottom)};
    QRectF best;
    qsizetype fewest = -1;
    for (const QPointF& corner : corners) {
        const QRectF box(corner, size);
        qsizetype covered = 0;
        for (const QPolygonF& path : paths) {
            covered += std::count_if(path.begin(), path.end(),
                                     [&](const QPointF& p) { return box.contains(p); });
        }
        if (fewest < 0 || covered < fewest) {
            fewest = covered;
            best = box;
        }
    }
    return best;
}

void DrawComparisonBox(QPainter& painter, const QRectF& box, const ComparisonTable& table,
                       const QFont& font, double scale) {
    if (table.empty()) {
        return;
    }
    const Measures m = Measure(table, font, scale);
    painter.save();
    painter.setFont(font);
    painter.setPen(QPen(ColourOf(kPanelBorder), 1));
    painter.setBrush(ColourOf(kPanelBackground));
    painter.drawRect(box);
    const double top = box.top() + m.margin;
    painter.setPen(Qt::black);
    for (qsizetype row = 0; row < table.rowNames.size(); ++row) {
        painter.drawText(
            QRectF(box.left() + m.margin, top + m.line * double(row + 1), m.nameWidth + 1, m.line),
            Qt::AlignVCenter | Qt::AlignLeft | Qt::TextDontClip, table.rowNames[row]);
    }
    double x = box.left() + m.margin * 2 + m.nameWidth;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const ComparisonColumn& column = table.columns[c];
        const double width = m.columnWidths[c];
        x += m.margin;
        // The head: the flight's line and marker, as in a legend, then its number.
        const FlightStyle& style = kShownFlightStyles[column.style % std::size(kShownFlightStyles)];
        const double y = top + m.line / 2;
        painter.setPen(FlightPen(style, 2 * scale));
        painter.drawLine(QPointF(x, y), QPointF(x + m.sample, y));
        DrawMarker(painter, QPointF(x + m.sample / 2, y), style, kShownMarkerRadiusPx * scale);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + m.sample + m.margin, top, width, m.line),
                         Qt::AlignVCenter | Qt::AlignLeft | Qt::TextDontClip, column.title);
        for (qsizetype row = 0; row < column.cells.size(); ++row) {
            const QRectF cell(x, top + m.line * double(row + 1), width + 1, m.line);
            if (row == table.stripRow) {
                const double mark = StripMark(m);
                const double stripWidth = PostureStripWidth(int(column.cells[row].size()), mark);
                DrawPostureStrip(painter, column.cells[row],
                                 QRectF(cell.right() - stripWidth, cell.top() + m.line * 0.2,
                                        stripWidth, m.line * 0.6),
                                 mark);
                continue;
            }
            painter.drawText(cell, Qt::AlignVCenter | Qt::AlignRight | Qt::TextDontClip,
                             column.cells[row]);
        }
        x += width + m.margin;
    }
    painter.restore();
}

} // namespace purzo
