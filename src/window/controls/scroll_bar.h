// SPDX-License-Identifier: MIT
// The window's horizontal scroll bars: left and up arrow step down, right and down arrow step up,
// Page Up/Down by the large change, Home and End to the ends; no context menu.
#pragma once

#include <QScrollBar>

namespace purzo {

class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ScrollBar(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace purzo
