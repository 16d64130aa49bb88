// SPDX-License-Identifier: MIT
// A comparison side by side: each compared flight in its own small canvas, the hall behind it,
// its path as far as the shared moment and its figure there; the table in the cells left free,
// or where the paths leave room when nine flights fill the grid.
#pragma once

#include "flight/frame_step.h"
#include "window/view/comparison_box.h"
#include "window/view/hall_background.h"
#include "window/view/shown_flight.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QTransform>
#include <cstddef>
#include <vector>

class QPainter;

namespace purzo {

struct SideBySideLook {
    QRectF area;        // the canvas's drawing area
    double scale = 1.0; // the canvas's, for pens and markers
    double ratio = 1.0; // device pixels per logical pixel
    QColor blank;       // between the cells and around them
    bool wholeView = false;
    bool freshHall = false; // a picture being saved: no hall kept from the screen
    QFont font;             // the table's, at `panelScale`
    double panelScale = 1.0;
};

// `current` empty: the current flight has no cell of its own.
void DrawSideBySide(QPainter& painter, const SideBySideLook& look, HallBackground& hall,
                    const std::vector<ShownFlight>& flights,
                    const std::vector<FrameResult>& current, std::size_t moment,
                    const ComparisonTable& table);

} // namespace purzo
