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

// A click this close to a marker takes its centre.
constexpr double kSnapRadiusPx = 12.0;

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
    const std::optional<MarkerColour> colour = PickedColour(image, at);
    if (!joint || !colour) {
        return false;
    }
    panel_->setColour(*joint, QColor(colour->r, colour->g, colour->b));
    marks.set(frame, *joint, FindMarker(image, *colour, at, kSnapRadiusPx).value_or(at));
    QListWidget* list = panel_->joints();
    list->setCurrentRow(std::min(list->currentRow() + 1, kJointCount - 1));
    return true;
}

} // namespace purzo
