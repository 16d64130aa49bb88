// SPDX-License-Identifier: MIT
// The window's horizontal scroll bars: left and up arrow step down, right and down arrow step up,
// Page Up/Down by the large change, Home and End to the ends; a thumb small enough that the
// narrow parameter bars keep a trough to click in.
#pragma once

#include <QProxyStyle>
#include <QScrollBar>

namespace purzo {

// The style the window's scroll bars share; the window owns it.
class ScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ScrollBar(QStyle* style, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace purzo
