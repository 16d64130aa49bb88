// SPDX-License-Identifier: MIT
#include "window/tools/tool_window.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace purzo {
namespace {

constexpr int kGapPx = 8;
// A tool window at least this small is still worth opening, logical pixels.
constexpr QSize kSmallestToolPx{420, 300};

} // namespace

QRect ToolWindowPlace(QSize wanted, QSize smallest, const QRect& mainFrame, const QRect& canvas,
                      const QRect& available) {
    smallest = smallest.boundedTo(available.size());
    const int height = std::clamp(wanted.height(), smallest.height(), available.height());
    const int top = std::clamp(mainFrame.top(), available.top(), available.bottom() + 1 - height);
    auto placed = [&](int left, int width) { return QRect(left, top, width, height); };

    const int rightRoom = available.right() - mainFrame.right() - kGapPx;
    if (rightRoom >= smallest.width()) {
        return placed(mainFrame.right() + 1 + kGapPx, std::min(wanted.width(), rightRoom));
    }
    const int leftRoom = mainFrame.left() - kGapPx - available.left();
    if (leftRoom >= smallest.width()) {
        const int width = std::min(wanted.width(), leftRoom);
        return placed(mainFrame.left() - kGapPx - width, width);
    }
    // Over the instructions, flush with the screen's right edge: the canvas stays in view.
    const int columnRoom = available.right() - canvas.right() - kGapPx;
    const int width = std::min(wanted.width(), std::max(columnRoom, smallest.width()));
    return placed(available.right() + 1 - width, width);
}

void PlaceBeside(QWidget& tool, const QWidget& mainWindow) {
    const QScreen* screen = mainWindow.screen();
    const QRect mainFrame = mainWindow.frameGeometry();
    const QRect available = screen ? screen->availableGeometry() : mainFrame;
    const QWidget* canvas = mainWindow.findChild<QWidget*>(QStringLiteral("Picture1"));
    const QRect canvasRect =
        canvas ? QRect(canvas->mapToGlobal(QPoint(0, 0)), canvas->size()) : QRect();
    // The tool's frame as the main window's, before the window manager has drawn one.
    const QSize frame = tool.isVisible() ? tool.frameGeometry().size() - tool.size()
                                         : mainFrame.size() - mainWindow.size();
    const QRect place = ToolWindowPlace(tool.size() + frame, kSmallestToolPx + frame, mainFrame,
                                        canvasRect, available);
    tool.resize(place.size() - frame);
    tool.move(place.topLeft());
}

} // namespace purzo
