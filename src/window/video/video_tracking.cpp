// SPDX-License-Identifier: MIT
#include "window/video/video_tracking.h"

#include "video/marker_tracking.h"
#include "window/video/tracking_panel.h"
#include "window/video/tracking_run.h"
#include "window/video/video_marks.h"

#include <QColor>
#include <QListWidget>

namespace purzo {
namespace {

// A picked colour is the mean of the pixels this far around the click, so that one noisy pixel
// does not decide it.
constexpr int kPickRadiusPx = 1;
// A click this close to a marker takes its centre.
constexpr double kSnapRadiusPx = 12.0;

MarkerColour MarkerColourOf(const QColor& c) {
    return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

QColor ColourAround(const RgbImage& image, PixelPoint at) {
    int r = 0, g = 0, b = 0, n = 0;
    for (int y = int(at.y) - kPickRadiusPx; y <= int(at.y) + kPickRadiusPx; ++y) {
        for (int x = int(at.x) - kPickRadiusPx; x <= int(at.x) + kPickRadiusPx; ++x) {
            if (x >= 0 && y >= 0 && x < image.width && y < image.height) {
                const std::uint8_t* p = image.pixel(x, y);
                r += p[0];
                g += p[1];
                b += p[2];
                ++n;
            }
        }
    }
    return n > 0 ? QColor(r / n, g / n, b / n) : QColor();
}

} // namespace

VideoTracking::VideoTracking(TrackingPanel* panel, QObject* parent)
    : QObject(parent), panel_(panel) {}

VideoTracking::~VideoTracking() = default;

void VideoTracking::start(VideoFile& file, const VideoMarks& marks, int frame) {
    if (running() || !panel_->anyColour()) {
        return;
    }
    delete run_;
    run_ = new TrackingRun(file, panel_->colours(), frame, this);
    // The marks of the two frames before set where the search starts.
    for (int f = std::max(frame - 2, 0); f < frame; ++f) {
        for (const Joint joint : kJoints) {
            if (const auto& m = MarkOf(marks.at(f), joint)) {
                run_->correct(joint, *m);
            }
        }
    }
    connect(run_, &TrackingRun::frameTracked, this,
            [this](int f, const FrameMarks& found, const RgbImage& image) {
                panel_->setProgress(f - run_->from() + 1, run_->total());
                emit frameTracked(f, found, run_->tracked(), image);
            });
    connect(run_, &TrackingRun::finished, this, &VideoTracking::runFinished);
    panel_->setRunning(true);
    panel_->setProgress(0, run_->total());
    panel_->setMessage({});
    run_->start();
}

void VideoTracking::cancel() {
    if (run_) {
        run_->cancel();
    }
}

void VideoTracking::reset() {
    cancel();
    delete run_;
    run_ = nullptr;
    panel_->setMessage({});
}

bool VideoTracking::running() const {
    return run_ && run_->running();
}

void VideoTracking::correct(Joint joint, PixelPoint at) {
    if (run_) {
        run_->correct(joint, at);
    }
}

void VideoTracking::runFinished(bool completed, int failedFrame) {
    panel_->setRunning(false);
    if (failedFrame >= 0) {
        panel_->setMessage(tr("Bild %1 lässt sich nicht lesen: verfolgt bis Bild %2.")
                               .arg(failedFrame + 1)
                               .arg(failedFrame));
    } else if (!completed) {
        panel_->setMessage(tr("Abgebrochen: verfolgt bis Bild %1.").arg(run_->next()));
    } else {
        panel_->setMessage(tr("Verfolgt bis zum letzten Bild. Prüfen Sie die Marken Bild für "
                              "Bild und verschieben Sie falsch gefundene."));
    }
    emit finished();
}

bool VideoTracking::pick(const RgbImage& image, PixelPoint at, VideoMarks& marks, int frame) {
    const std::optional<Joint> joint = panel_->picking();
    const QColor colour = ColourAround(image, at);
    if (!joint || !colour.isValid()) {
        return false;
    }
    panel_->setColour(*joint, colour);
    marks.set(frame, *joint,
              FindMarker(image, MarkerColourOf(colour), at, kSnapRadiusPx).value_or(at));
    QListWidget* list = panel_->joints();
    list->setCurrentRow(std::min(list->currentRow() + 1, kJointCount - 1));
    return true;
}

} // namespace purzo
