// SPDX-License-Identifier: MIT
// The arrow-key picture as buttons for touch screens and whiteboards: during a flight, a click
// or a tap on its left key acts as the left arrow key, one on its right key as the right arrow
// key. The up and down keys, and the picture outside a flight, do nothing, as designed.
#pragma once

#include <QObject>
#include <functional>

class QLabel;
class QScrollBar;

namespace purzo {

class ArrowKeyTaps : public QObject {
    Q_OBJECT
public:
    // `inFlight` tells whether a flight is on its way (paused or not).
    ArrowKeyTaps(QLabel* picture, QScrollBar* postureBar, std::function<bool()> inFlight);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Acts on a press at a point of the picture's widget; true when it hit a key that acts.
    bool press(QPointF at);

    QLabel* picture_;
    QScrollBar* postureBar_;
    std::function<bool()> inFlight_;
};

} // namespace purzo
