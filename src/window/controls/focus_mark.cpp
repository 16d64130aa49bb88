// SPDX-License-Identifier: MIT
// A square dark frame; its width follows the window's scale.
#include "window/controls/focus_mark.h"

#include "window/controls/scaled_style.h"

#include <QPainter>
#include <QPen>
#include <QWidget>
#include <cmath>

namespace purzo {
namespace {

constexpr int kFocusMarkPx = 2; // at scale 1
const QColor kFocusMarkColour(32, 32, 32);

} // namespace

void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& area) {
    const int width = std::max(1, int(std::lround(kFocusMarkPx * StyleScale(&widget))));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFocusMarkColour);
    const QRect r = area;
    painter.drawRect(QRect(r.left(), r.top(), r.width(), width));
    painter.drawRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width));
    painter.drawRect(QRect(r.left(), r.top(), width, r.height()));
    painter.drawRect(QRect(r.right() - width + 1, r.top(), width, r.height()));
    painter.restore();
}

} // namespace purzo
