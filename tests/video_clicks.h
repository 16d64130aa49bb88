// SPDX-License-Identifier: MIT
// What a student does on the video window's frame, for the tests: clicks and drags at points of
// the video, the stick calibrated, whole frames marked joint by joint.
#pragma once

#include "video_fixture.h"
#include "window/video/calibration_panel.h"
#include "window/video/video_frame_view.h"
#include "window/video/video_window.h"

#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <memory>

namespace purzo::test {

// A window on `video`, large enough that a click hits within a pixel; none when it did not show
// or open the video.
inline std::unique_ptr<VideoWindow> OpenVideoWindow(const QString& video) {
    auto window = std::make_unique<VideoWindow>();
    window->resize(1200, 800);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()) || !window->openVideo(video)) {
        return nullptr;
    }
    return window;
}

inline QPoint At(const VideoWindow& window, QPointF pixel) {
    return window.view()->toWidget({pixel.x(), pixel.y()}).toPoint();
}

inline void Click(VideoWindow& window, QPointF pixel) {
    QTest::mouseClick(window.view(), Qt::LeftButton, {}, At(window, pixel));
}

inline void Drag(VideoWindow& window, QPointF from, QPointF to) {
    QWidget* view = window.view();
    const QPoint a = At(window, from), b = At(window, to);
    QTest::mousePress(view, Qt::LeftButton, {}, a);
    for (const QPoint p : {a + (b - a) / 2, b}) {
        QMouseEvent move(QEvent::MouseMove, p, view->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                         {});
        QCoreApplication::sendEvent(view, &move);
    }
    QTest::mouseRelease(view, Qt::LeftButton, {}, b);
}

inline double Distance(const std::optional<PixelPoint>& p, QPointF q) {
    return p ? std::hypot(p->x - q.x(), p->y - q.y()) : 1e9;
}

// Clicks every joint of frames [from, to) in the marking's order.
inline void MarkFrames(VideoWindow& window, const FilmedJump& jump, int from, int to) {
    window.setTask(VideoWindow::Task::Mark);
    window.showFrame(from);
    for (int f = from; f < to; ++f) {
        QCOMPARE(window.currentFrame(), f);
        for (const QPointF p : jump.jointsAt(f)) {
            Click(window, p);
        }
    }
}

inline void Calibrate(VideoWindow& window, const FilmedJump& jump) {
    window.setTask(VideoWindow::Task::Calibrate);
    Click(window, jump.stickFoot());
    Click(window, jump.stickTop());
    QVERIFY(window.calibrationPanel()->calibration());
}

} // namespace purzo::test
