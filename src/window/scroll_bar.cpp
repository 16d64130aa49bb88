// SPDX-License-Identifier: MIT
// Qt's scroll bars invert the arrow keys (they scroll content); these step their value instead.
#include "window/scroll_bar.h"

#include <QKeyEvent>

namespace purzo {
namespace {

// Narrow enough that the 49-pixel parameter bars keep a trough beside the thumb.
constexpr int kThumbMinPx = 9;

} // namespace

int ScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    if (metric == PM_ScrollBarSliderMin) {
        return kThumbMinPx;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

ScrollBar::ScrollBar(QStyle* style, QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setStyle(style);
    setFocusPolicy(Qt::StrongFocus);
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
