// SPDX-License-Identifier: MIT
// The sports hall behind the figures: the picture at the canvas's scale from the area's top-left
// corner, or in the whole-flight view the picture in its place in canvas units with the wall and
// the floor carried on beyond its edges. Scaling the picture is slow, so each place it is shown
// (the canvas, the cells of a side-by-side comparison) keeps the last one it drew.
#pragma once

#include "window/view/pictures.h"

#include <QPixmap>
#include <QSize>
#include <QTransform>
#include <array>

namespace purzo {

struct HallView {
    QSize areaPx; // logical pixels
    bool wholeView = false;
    double scale = 1.0;   // logical pixels per design pixel, for the designed view
    QTransform transform; // canvas units to the area's pixels from its top-left, the whole view's
    double ratio = 1.0;   // device pixels per logical pixel
};

class HallBackground {
public:
    enum Place { Canvas, Cell, kPlaces };

    explicit HallBackground(Picture hall) : hall_(std::move(hall)) {}

    // Drawn afresh: for pictures saved at any size.
    QPixmap draw(const HallView& view) const;
    // The one drawn last for `place` when nothing about the view has changed.
    QPixmap at(Place place, const HallView& view);

private:
    QPixmap wholeView(const HallView& view) const;

    struct Kept {
        HallView view;
        QPixmap pixmap;
    };
    Picture hall_;
    std::array<Kept, kPlaces> kept_;
};

} // namespace purzo
