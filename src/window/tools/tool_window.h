// SPDX-License-Identifier: MIT
// Where the window's tool windows (the charts, the log) open: never beyond the screen's available
// area and never over the canvas while there is any other room.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace purzo {

// The frame rectangle for a tool window that would like `wanted` and can do with `smallest`:
// right of the main window's frame where the screen has room, else left of it, else over the
// instructions column right of `canvas`, smaller if need be; only a screen too narrow for any of
// these puts it over the canvas. All rectangles in global coordinates, frames included.
QRect ToolWindowPlace(QSize wanted, QSize smallest, const QRect& mainFrame, const QRect& canvas,
                      const QRect& available);

// Moves and sizes `tool` so, beside `mainWindow` and its canvas "Picture1".
void PlaceBeside(QWidget& tool, const QWidget& mainWindow);

} // namespace purzo
