// SPDX-License-Identifier: MIT
// The mark is drawn over the style's frame.
#include "window/controls/text_box.h"

#include "window/controls/focus_mark.h"

#include <QPainter>

namespace purzo {

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        DrawFocusMark(painter, *this, rect());
    }
}

} // namespace purzo
