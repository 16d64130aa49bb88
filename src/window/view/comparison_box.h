// SPDX-License-Identifier: MIT
// The comparison's one box: the legend and the flight data of the compared flights as a table,
// a column per flight headed by its line sample, number and group. It stands in the canvas's
// corner that the flights' paths leave freest, so that it hides no figure.
#pragma once

#include <QFont>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

class QFont;
class QPainter;

namespace purzo {

struct ComparisonColumn {
    std::size_t style = 0; // in kShownFlightStyles
    QString title;         // "Flug 3"
    QStringList cells;     // one per row, the group first
};

struct ComparisonTable {
    QStringList rowNames; // "Gruppe", "Geschwindigkeit (m/s)", …
    std::vector<ComparisonColumn> columns;
    int stripRow = -1; // the row whose cells are chosen postures, drawn as a strip
    bool empty() const { return columns.empty(); }
};

QSizeF ComparisonBoxSize(const ComparisonTable& table, const QFont& font, double scale);

// The box's font and scale made smaller where the box would be wider than `area` or take more
// than `heightShare` of its height: many flights on a small canvas. Never larger than given.
struct FittedBox {
    QFont font;
    double scale;
    QSizeF size;
};
FittedBox FitComparisonBox(const ComparisonTable& table, const QFont& font, double scale,
                           const QRectF& area, double heightShare = 0.5);

// Of the canvas's four corners (each `marginPx` in from `area`'s edges), the one where a box of
// `size` covers the fewest of the paths' points; the top corners first on a tie, then the right.
QRectF ComparisonBoxPlace(const QSizeF& size, const QRectF& area,
                          const std::vector<QPolygonF>& paths, double marginPx);

void DrawComparisonBox(QPainter& painter, const QRectF& box, const ComparisonTable& table,
                       const QFont& font, double scale);

} // namespace purzo
