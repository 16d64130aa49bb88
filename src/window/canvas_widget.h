// SPDX-License-Identifier: MIT
// Picture1, the canvas: the sports hall at natural size and the figure of the current frame,
// in canvas units of 200 × 150 with the origin at the top left.
#pragma once

#include "rotated_figure.h"

#include <QFrame>
#include <QPixmap>
#include <optional>

namespace purzo {

class CanvasWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kBorderPx = 2;
    static constexpr int kPenWidthPx = 3;

    explicit CanvasWidget(QWidget* parent = nullptr);

    // The canvas's user scale: ScaleWidth and ScaleHeight.
    double scaleWidth() const;
    double scaleHeight() const;

    // Replaces what the canvas shows; it repaints at once, so a frame is on the screen for the
    // whole pause that follows it.
    void showFigure(const DrawnFigure& figure);
    // Only the background remains.
    void clearFigure();
    const std::optional<DrawnFigure>& figure() const { return figure_; }

    // Where a canvas point lies in widget pixels.
    QPointF toWidget(QPointF canvasPoint) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
    std::optional<DrawnFigure> figure_;
};

} // namespace purzo
