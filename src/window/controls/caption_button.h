// SPDX-License-Identifier: MIT
// A push button whose caption wraps onto a second line when it is wider than the button, as the
// two tall buttons of the control table show theirs. Enter and keypad Enter click it, as Space
// does, and the focus shows as a dark frame.
#pragma once

#include <QPushButton>

namespace purzo {

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

    // Where the caption is laid out, in the button's own coordinates.
    QRect captionRect() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace purzo
