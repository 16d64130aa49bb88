// SPDX-License-Identifier: MIT
// Picture1, the canvas: the sports hall and the figure of the current frame, in canvas units of
// 200 × 150 with the origin at the top left. Border, picture and pen follow the window's scale.
#pragma once

#include "body/rotated_figure.h"
#include "window/pictures.h"

#include <QFrame>
#include <QPixmap>
#include <QTransform>
#include <optional>

namespace purzo {

class CanvasWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kBorderPx = 2;   // at scale 1
    static constexpr int kPenWidthPx = 3; // at scale 1

    explicit CanvasWidget(QWidget* parent = nullptr);

    // Logical pixels per design pixel; the border, the picture and the pen follow it.
    void setScale(double scale);
    double scale() const { return scale_; }
    // The figure's line in device pixels: 3 × scale logical pixels.
    double penWidthDevicePx() const;

    // Replaces the figure the canvas shows; it stays until the next one.
    void showFigure(const DrawnFigure& figure);
    const std::optional<DrawnFigure>& figure() const { return figure_; }

    // Canvas units to widget pixels, for painting and for finding where a point was drawn.
    QTransform canvasTransform() const;
    QPointF toWidget(QPointF canvasPoint) const { return canvasTransform().map(canvasPoint); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& background();

    Picture hall_;
    QPixmap background_; // the hall at the current scale and device pixel ratio
    double backgroundScale_ = 0;
    double backgroundRatio_ = 0;
    double scale_ = 1.0;
    std::optional<DrawnFigure> figure_;
};

} // namespace purzo
