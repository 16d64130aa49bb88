// SPDX-License-Identifier: MIT
// Qt's scroll bars invert the arrow keys (they scroll content); these step their value instead.
#include "scroll_bar.h"

#include <QKeyEvent>
#include <QProxyStyle>

namespace purzo {
namespace {

class NarrowThumbStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ScrollBarSliderMin) {
            return kThumbMinPx;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    static constexpr int kThumbMinPx = 9;
};

QStyle* SharedStyle() {
    // Follows the application's style; lives as long as the program.
    static NarrowThumbStyle* style = new NarrowThumbStyle;
    return style;
}

} // namespace

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setStyle(SharedStyle());
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
