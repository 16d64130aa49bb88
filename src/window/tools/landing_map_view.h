// SPDX-License-Identifier: MIT
// A landing map drawn: a cell per flight coloured and patterned by how it landed, the axes in
// their units, the legend beside, and the lesson's flights that match it as numbered rings. A
// click picks a cell, a double click asks for its flight.
#pragma once

#include "flight/landing_map.h"

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

namespace purzo {

struct MapMarker {
    double column = 0; // in cells, fractional where a flight lies between them
    double row = 0;
    QString label; // "3 Delfine"
};

class LandingMapView : public QWidget {
    Q_OBJECT
public:
    explicit LandingMapView(QWidget* parent = nullptr);

    void setMap(MapKind kind, const MapAxes& axes, std::vector<MapCell> cells);
    void setMarkers(std::vector<MapMarker> markers);
    const std::vector<MapCell>& cells() const { return cells_; }
    const MapAxes& axes() const { return axes_; }
    const std::vector<MapMarker>& markers() const { return markers_; }
    QRectF cellRect(int column, int row) const;
    std::optional<int> picked() const { return picked_; }
    void pick(std::optional<int> index);
    // The cell under a point of the widget, as index into cells().
    std::optional<int> cellAt(QPointF at) const;
    QSize sizeHint() const override { return {720, 480}; }

signals:
    void cellPicked(int index);
    void cellActivated(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool legendBelow() const;
    QRectF plotArea() const;
    void drawAxes(QPainter& painter, const QRectF& plot) const;
    void drawLegend(QPainter& painter, const QRectF& plot) const;

    MapKind kind_ = MapKind::Tuck;
    MapAxes axes_;
    std::vector<MapCell> cells_;
    std::vector<MapMarker> markers_;
    std::optional<int> picked_;
};

} // namespace purzo
