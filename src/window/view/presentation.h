// SPDX-License-Identifier: MIT
// "Präsentation": the canvas alone on the whole screen for the back row, at the largest scale
// that fits, its panel and the verdict line larger still, the keys working as before (Enter
// starts). Leaving it gives the window back exactly as it was: place, size, full screen or not.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <functional>

class QLabel;
class QWidget;

namespace purzo {

class CanvasWidget;
class ToolsButton;

class Presentation : public QObject {
    Q_OBJECT

public:
    struct Parts {
        QWidget* window;
        CanvasWidget* canvas;
        QLabel* verdictLine;
        QWidget* postureBar; // stays behind the canvas, so that the arrow keys still reach it
        ToolsButton* tools;
    };
    Presentation(Parts parts, std::function<void()> startFlight);

    bool active() const { return active_; }
    void toggle();
    void leave();
    // Lays the canvas and the verdict line out over the window's client area; the window calls
    // it in place of its own layout while the presentation lasts.
    void layOut(QSize client);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enter();

    Parts parts_;
    std::function<void()> startFlight_;
    bool active_ = false;
    QByteArray geometry_;
    bool wasFullScreen_ = false;
    bool wasMaximized_ = false;
    QFont verdictFont_;
    QList<QPointer<QWidget>> hidden_;
};

} // namespace purzo
