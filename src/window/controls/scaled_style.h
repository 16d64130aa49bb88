// SPDX-License-Identifier: MIT
// The window's style: Fusion with every pixel metric (frames, scroll-bar arrows and thumb, the
// option circle, margins) times the window's scale, and scroll bars that behave alike under
// every desktop: a trough click moves by the large change, no jump to the click, no menu.
#pragma once

#include <QProxyStyle>

namespace purzo {

class ScaledStyle : public QProxyStyle {
    Q_OBJECT
public:
    ScaledStyle(); // on an explicit Fusion, whatever the application's style is

    double scale() const { return scale_; }
    void setScale(double scale) { scale_ = scale; }
    // A length of the design, in pixels at the current scale, at least 1.
    int scaled(int designPx) const;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

private:
    double scale_ = 1.0;
};

// The scale of the ScaledStyle a widget is drawn with; 1 for any other style.
double StyleScale(const QWidget* widget);

} // namespace purzo
