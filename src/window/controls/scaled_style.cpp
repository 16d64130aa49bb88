// SPDX-License-Identifier: MIT
// Scaled metrics and fixed scroll-bar hints on Fusion.
#include "window/controls/scaled_style.h"

#include "window/controls/look.h"

#include <QWidget>
#include <cmath>

namespace purzo {
namespace {

// Narrow enough that the 49-pixel parameter bars keep a trough beside the thumb.
constexpr int kThumbMinPx = 9;

} // namespace

ScaledStyle::ScaledStyle() : QProxyStyle(NewFusionStyle()) {}

int ScaledStyle::scaled(int designPx) const {
    if (designPx <= 0) {
        return designPx;
    }
    return std::max(1, int(std::lround(designPx * scale_)));
}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    if (metric == PM_ScrollBarSliderMin) {
        return scaled(kThumbMinPx);
    }
    return scaled(QProxyStyle::pixelMetric(metric, option, widget));
}

int ScaledStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    switch (hint) {
    case SH_ScrollBar_LeftClickAbsolutePosition:
    case SH_ScrollBar_MiddleClickAbsolutePosition:
    case SH_ScrollBar_ContextMenu:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

double StyleScale(const QWidget* widget) {
    const auto* style = widget ? qobject_cast<const ScaledStyle*>(widget->style()) : nullptr;
    return style ? style->scale() : 1.0;
}

} // namespace purzo
