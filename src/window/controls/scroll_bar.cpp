// SPDX-License-Identifier: MIT
// Qt's scroll bars invert the arrow keys (they scroll content); these step their value instead.
#include "window/controls/scroll_bar.h"

#include <QKeyEvent>

namespace purzo {

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Qt's "Scroll here / Left edge ..." menu scrolls content, which these bars have none of.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace purzo
