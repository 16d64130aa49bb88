// SPDX-License-Identifier: MIT
// Qt takes clicks on the circle and the text only; the blank right of a short caption counts
// here too.
#include "window/controls/option_button.h"

#include "window/controls/focus_mark.h"

#include <QPainter>

namespace purzo {

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void OptionButton::paintEvent(QPaintEvent* event) {
    QRadioButton::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        DrawFocusMark(painter, *this, rect());
    }
}

} // namespace purzo
