// SPDX-License-Identifier: MIT
// Where the window's tool windows (the charts, the log) open: wholly inside the screen's
// available area and never over the main window, which makes room for them when it must.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace purzo {

struct ToolRoom {
    QRect tool;      // the tool window's frame
    QRect mainFrame; // the main window's frame, moved and narrowed if the tool needed the room
};

// For a tool window that would like `wanted` and can do with `smallest`: right of the main
// window's frame where the screen has room for all it would like, else left of it; a centred
// main window moves to the screen's left edge where that gives more room, else the tool takes
// the larger side. Otherwise the main window moves to the left edge and narrows, keeping its
// shape and never below `mainSmallest`, so that the tool stands at its right, `smallest` wide
// where the screen allows. All rectangles in global coordinates, frames included.
ToolRoom ToolWindowRoom(QSize wanted, QSize smallest, const QRect& mainFrame, QSize mainSmallest,
                        const QRect& available);

// Moves and sizes `tool` so, beside `mainWindow`, which moves and narrows if it must. A tool
// that needs more than the usual least room to be of use names it in `smallest`.
void PlaceBeside(QWidget& tool, QWidget& mainWindow, QSize smallest = {});

} // namespace purzo
