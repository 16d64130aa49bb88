// SPDX-License-Identifier: MIT
// Picture1, the canvas: the sports hall at natural size and the figure of the current frame,
// in canvas units of 200 × 150 with the origin at the top left.
#pragma once

#include "body/rotated_figure.h"

#include <QFrame>
#include <QPixmap>
#include <QTransform>
#include <optional>

namespace purzo {

class CanvasWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kBorderPx = 2;
    static constexpr int kPenWidthPx = 3;

    explicit CanvasWidget(QWidget* parent = nullptr);

    // Replaces the figure the canvas shows; it stays until the next one.
    void showFigure(const DrawnFigure& figure);
    const std::optional<DrawnFigure>& figure() const { return figure_; }

    // Canvas units to widget pixels, for painting and for finding where a point was drawn.
    QTransform canvasTransform() const;
    QPointF toWidget(QPointF canvasPoint) const { return canvasTransform().map(canvasPoint); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
    std::optional<DrawnFigure> figure_;
};

} // namespace purzo
