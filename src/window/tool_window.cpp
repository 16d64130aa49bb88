// SPDX-License-Identifier: MIT
// Right of the main window first, then left, then as far right as the screen allows.
#include "window/tool_window.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace purzo {

void PlaceBeside(QWidget& tool, const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    const QScreen* screen = mainWindow.screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(main.topLeft(), tool.size());
    QPoint at(main.right() + 8, main.top());
    if (at.x() + tool.width() > room.right()) {
        at.setX(main.left() - tool.width() - 8);
    }
    if (at.x() < room.left()) {
        at.setX(std::max(room.left(), room.right() - tool.width()));
    }
    tool.move(at);
}

} // namespace purzo
