// SPDX-License-Identifier: MIT
// A push button whose caption wraps onto a second line when it is wider than the button, as the
// two tall buttons of the control table show theirs.
#pragma once

#include <QPushButton>

namespace purzo {

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace purzo
