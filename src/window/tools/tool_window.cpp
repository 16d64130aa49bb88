// SPDX-License-Identifier: MIT
#include "window/tools/tool_window.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

constexpr int kGapPx = 8;
// A tool window at least this large is still worth opening, logical pixels; its content scrolls.
constexpr QSize kSmallestToolPx{320, 300};

} // namespace

ToolRoom ToolWindowRoom(QSize wanted, QSize smallest, const QRect& mainFrame, QSize mainSmallest,
                        const QRect& available) {
    smallest = smallest.boundedTo(available.size());
    // As tall as the main window at least: beside it the room is there.
    const int height = std::clamp(std::max(wanted.height(), mainFrame.height()), smallest.height(),
                                  available.height());
    auto placed = [&](int left, int width, const QRect& main) {
        const int top = std::clamp(main.top(), available.top(), available.bottom() + 1 - height);
        return ToolRoom{QRect(left, top, width, height), main};
    };
    const int rightRoom = available.right() - mainFrame.right() - kGapPx;
    const int leftRoom = mainFrame.left() - kGapPx - available.left();
    auto onRight = [&](int room) {
        return placed(mainFrame.right() + 1 + kGapPx, std::min(wanted.width(), room), mainFrame);
    };
    auto onLeft = [&](int room) {
        const int width = std::min(wanted.width(), room);
        return placed(mainFrame.left() - kGapPx - width, width, mainFrame);
    };
    if (rightRoom >= wanted.width()) {
        return onRight(rightRoom);
    }
    if (leftRoom >= wanted.width()) {
        return onLeft(leftRoom);
    }
    // A centred window leaves room on both sides, neither enough: it moves to the left edge.
    const QRect moved(available.left(), mainFrame.top(), mainFrame.width(), mainFrame.height());
    const int movedRoom = available.right() - moved.right() - kGapPx;
    if (movedRoom > std::max(rightRoom, leftRoom) && movedRoom >= smallest.width()) {
        return placed(moved.right() + 1 + kGapPx, std::min(wanted.width(), movedRoom), moved);
    }
    if (rightRoom >= smallest.width()) {
        return onRight(rightRoom);
    }
    if (leftRoom >= smallest.width()) {
        return onLeft(leftRoom);
    }
    // The main window to the left edge, as narrow as the tool needs and its own smallest allows.
    const int mainWidth =
        std::clamp(available.width() - kGapPx - smallest.width(),
                   std::min(mainSmallest.width(), mainFrame.width()), mainFrame.width());
    const int mainHeight =
        std::clamp(int(std::lround(mainFrame.height() * double(mainWidth) / mainFrame.width())),
                   std::min(mainSmallest.height(), mainFrame.height()), available.height());
    const int mainTop =
        std::clamp(mainFrame.top(), available.top(), available.bottom() + 1 - mainHeight);
    const QRect main(available.left(), mainTop, mainWidth, mainHeight);
    const int left = main.right() + 1 + kGapPx;
    if (available.right() + 1 - left >= smallest.width()) {
        return placed(left, std::min(wanted.width(), available.right() + 1 - left), main);
    }
    // A screen narrower than both windows at their smallest: the tool over the main window's
    // right edge, which stays as it was.
    return placed(available.right() + 1 - smallest.width(), smallest.width(), mainFrame);
}

void PlaceBeside(QWidget& tool, QWidget& mainWindow, QSize smallest) {
    const QScreen* screen = mainWindow.screen();
    const QRect mainFrame = mainWindow.frameGeometry();
    const QRect available = screen ? screen->availableGeometry() : mainFrame;
    const QSize mainDecoration = mainFrame.size() - mainWindow.size();
    // The tool's frame as the main window's, before the window manager has drawn one.
    const QSize frame =
        tool.isVisible() ? tool.frameGeometry().size() - tool.size() : mainDecoration;
    const QSize least = smallest.isValid() ? smallest.expandedTo(kSmallestToolPx) : kSmallestToolPx;
    const ToolRoom room = ToolWindowRoom(tool.size() + frame, least + frame, mainFrame,
                                         mainWindow.minimumSize() + mainDecoration, available);
    if (room.mainFrame != mainFrame) {
        if (mainWindow.isMaximized() || mainWindow.isFullScreen()) {
            mainWindow.showNormal();
        }
        mainWindow.resize(room.mainFrame.size() - mainDecoration);
        mainWindow.move(room.mainFrame.topLeft());
    }
    tool.resize(room.tool.size() - frame);
    tool.move(room.tool.topLeft());
}

} // namespace purzo
