// SPDX-License-Identifier: MIT
// Where the window's tool windows (the charts, the log) open.
#pragma once

class QWidget;

namespace purzo {

// Beside the main window where the screen has room, else over its right part.
void PlaceBeside(QWidget& tool, const QWidget& mainWindow);

} // namespace purzo
