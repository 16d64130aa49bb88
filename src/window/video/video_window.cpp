// SPDX-License-Identifier: MIT
// The window hands clicks, marks and times to the model and draws what comes back; it computes
// nothing of the jump itself.
#include "window/video/video_window.h"

#include "video/video_file.h"
#include "window/video/calibration_panel.h"
#include "window/video/fit_overlay.h"
#include "window/video/fit_panel.h"
#include "window/video/marking_panel.h"
#include "window/video/tracking_panel.h"
#include "window/video/video_frame_view.h"
#include "window/video/video_opening.h"
#include "window/video/video_playback.h"
#include "window/video/video_step_bar.h"
#include "window/video/video_tracking.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace purzo {

VideoWindow::VideoWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), file_(std::make_unique<VideoFile>()),
      athlete_([] { return kStandardAthlete; }), playback_(new VideoPlayback(this)) {
    setObjectName(QStringLiteral("videoWindow"));
    setWindowTitle(tr("Video – Purzosimulation"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    open_ = new QPushButton(tr("Video ö&ffnen…"), this);
    open_->setObjectName(QStringLiteral("openVideoButton"));
    info_ = new QLabel(this);
    info_->setObjectName(QStringLiteral("videoInfo"));
    info_->setWordWrap(true);
    top->addWidget(open_);
    top->addWidget(info_, 1);
    layout->addLayout(top);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(splitter_);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    view_ = new VideoFrameView(left);
    stepBar_ = new VideoStepBar(left);
    leftLayout->addWidget(view_, 1);
    leftLayout->addWidget(stepBar_);
    tasks_ = new QTabWidget(splitter_);
    tasks_->setObjectName(QStringLiteral("videoTasks"));
    calibration_ = new CalibrationPanel(tasks_);
    marking_ = new MarkingPanel(tasks_);
    trackingPanel_ = new TrackingPanel(tasks_);
    fitPanel_ = new FitPanel(tasks_);
    tasks_->addTab(calibration_, tr("&Kalibrieren"));
    tasks_->addTab(marking_, tr("&Markieren"));
    tasks_->addTab(trackingPanel_, tr("Verf&olgen"));
    tasks_->addTab(fitPanel_, tr("A&uswerten"));
    splitter_->addWidget(left);
    splitter_->addWidget(tasks_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setChildrenCollapsible(false);
    layout->addWidget(splitter_, 1);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("videoStatus"));
    status_->setWordWrap(true);
    status_->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(status_);

    connect(open_, &QPushButton::clicked, this, &VideoWindow::chooseVideo);
    connect(view_, &VideoFrameView::clicked, this, &VideoWindow::clickedAt);
    connect(view_, &VideoFrameView::dragged, this,
            [this](int i, PixelPoint at) { movePoint(i, at, false); });
    connect(view_, &VideoFrameView::dragFinished, this,
            [this](int i, PixelPoint at) { movePoint(i, at, true); });
    connect(stepBar_, &VideoStepBar::frameRequested, this, &VideoWindow::showFrame);
    connect(stepBar_, &VideoStepBar::stepRequested, this, &VideoWindow::step);
    connect(stepBar_, &VideoStepBar::playToggled, this, &VideoWindow::togglePlay);
    connect(stepBar_, &VideoStepBar::speedChanged, playback_, &VideoPlayback::setSpeed);
    connect(playback_, &VideoPlayback::frameDue, this, &VideoWindow::display);
    connect(playback_, &VideoPlayback::playingChanged, stepBar_, &VideoStepBar::setPlaying);
    connect(tasks_, &QTabWidget::currentChanged, this, &VideoWindow::refresh);
    connect(calibration_, &CalibrationPanel::changed, this, [this] {
        dropFit();
        refresh();
    });
    connect(marking_, &MarkingPanel::jointChosen, this, [this](Joint joint) {
        offered_ = joint;
        refresh();
    });
    connect(marking_, &MarkingPanel::skipRequested, this, &VideoWindow::skipJoint);
    connect(marking_, &MarkingPanel::clearRequested, this, [this] {
        marks_.clear(frame_);
        offered_ = marks_.nextOpen(frame_);
        dropFit();
        refresh();
    });
    connect(trackingPanel_->joints(), &QListWidget::currentRowChanged, this, &VideoWindow::refresh);
    tracking_ = new VideoTracking(trackingPanel_, this);
    connect(tracking_, &VideoTracking::frameTracked, this,
            [this](int frame, const FrameMarks& found, const std::bitset<kJointCount>& tracked,
                   const RgbImage& image) {
                marks_.takeTracked(frame, found, tracked);
                showImage(frame, image);
            });
    connect(tracking_, &VideoTracking::finished, this, &VideoWindow::refresh);
    connect(trackingPanel_, &TrackingPanel::trackRequested, this, &VideoWindow::track);
    connect(trackingPanel_, &TrackingPanel::cancelRequested, this, &VideoWindow::cancelTracking);
    connect(fitPanel_, &FitPanel::fitRequested, this, &VideoWindow::fitJump);
    connect(fitPanel_, &FitPanel::frameChosen, this, &VideoWindow::showFrame);
    connect(fitPanel_, &FitPanel::whatIfRequested, this, &VideoWindow::whatIfRequested);
    connect(fitPanel_, &FitPanel::whatIfMapRequested, this, &VideoWindow::whatIfMapRequested);
    stepBar_->addKeysTo(this);
    stepBar_->setFrameCount(0);
    tasks_->setEnabled(false);
    refresh();
    setMinimumSize(560, 460);
    resize(1000, 680); // where the screen has the room; narrower beside a wide main window
}

VideoWindow::~VideoWindow() {
    tracking_->reset(); // before the file it reads
}

bool VideoWindow::hasVideo() const {
    return file_->isOpen();
}

int VideoWindow::frameCount() const {
    return file_->frameCount();
}

double VideoWindow::currentTimeS() const {
    return hasVideo() ? file_->frameTimesS()[std::size_t(frame_)] : 0.0;
}

void VideoWindow::chooseVideo() {
    VideoOpening::choose(this, path_, [this](const QString& path) { openVideo(path); });
}

bool VideoWindow::openVideo(const QString& path) {
    std::optional<OpenedVideo> opened = VideoOpening::open(path, this);
    if (!opened) {
        return false;
    }
    tracking_->reset();
    playback_->pause();
    file_ = std::move(opened->file);
    path_ = path;
    frame_ = 0; // before anything shows the new video's marks
    marks_.reset(file_->frameCount());
    offered_ = marks_.nextOpen(0);
    calibration_->reset();
    dropFit();
    playback_->setFrameTimes(file_->frameTimesS());
    stepBar_->setFrameCount(file_->frameCount());
    tasks_->setEnabled(true);
    setWindowTitle(tr("%1 – Video – Purzosimulation").arg(fileName()));
    info_->setText(VideoOpening::describe(*file_, fileName()));
    showImage(0, opened->first);
    return true;
}

void VideoWindow::showFrame(int frame) {
    playback_->pause();
    display(frame);
}

void VideoWindow::display(int frame) {
    if (!hasVideo()) {
        return;
    }
    frame = std::clamp(frame, 0, frameCount() - 1);
    RgbImage image;
    VideoError error;
    if (!file_->readFrame(frame, image, error)) {
        playback_->pause();
        status_->setText(VideoOpening::unreadableFrame(frame, fileName()));
        stepBar_->showFrame(frame_, currentTimeS());
        return;
    }
    showImage(frame, image);
}

void VideoWindow::showImage(int frame, const RgbImage& image) {
    if (frame != frame_) {
        offered_ = marks_.nextOpen(frame);
    }
    frame_ = frame;
    image_ = image;
    status_->clear();
    view_->setFrame(image);
    stepBar_->showFrame(frame, currentTimeS());
    fitPanel_->selectFrame(frame);
    refresh();
}

void VideoWindow::step(int frames) {
    showFrame(frame_ + frames);
}

void VideoWindow::togglePlay() {
    if (!hasVideo()) {
        return;
    }
    playback_->playing() ? playback_->pause() : playback_->play(frame_);
}

VideoWindow::Task VideoWindow::task() const {
    return Task(tasks_->currentIndex());
}

void VideoWindow::setTask(Task task) {
    tasks_->setCurrentIndex(int(task));
}

void VideoWindow::clickedAt(PixelPoint at) {
    switch (task()) {
    case Task::Calibrate:
        calibration_->clickAt(at);
        break;
    case Task::Mark:
        markAt(at);
        break;
    case Task::Track:
        if (tracking_->pick(image_, at, marks_, frame_)) {
            dropFit();
            refresh();
        }
        break;
    case Task::Fit:
        break;
    }
}

void VideoWindow::markAt(PixelPoint at) {
    if (!offered_) {
        offered_ = marks_.nextOpen(frame_);
    }
    if (!offered_) {
        return;
    }
    marks_.set(frame_, *offered_, at);
    skipJoint();
}

// Marked or skipped, the joint is done: the next open one, or the next frame after the last.
void VideoWindow::skipJoint() {
    if (offered_ && !MarkOf(marks_.at(frame_), *offered_)) {
        marks_.skip(frame_, *offered_);
    }
    dropFit();
    offered_ = marks_.nextOpen(frame_);
    if (!offered_ && frame_ + 1 < frameCount()) {
        showFrame(frame_ + 1);
        return;
    }
    refresh();
}

void VideoWindow::movePoint(int index, PixelPoint at, bool finished) {
    if (task() == Task::Calibrate) {
        calibration_->moveEnd(index, at);
        return;
    }
    if (index >= int(draggedJoints_.size())) {
        return;
    }
    const Joint joint = draggedJoints_[std::size_t(index)];
    marks_.set(frame_, joint, at);
    if (finished) {
        tracking_->correct(joint, at);
        dropFit();
    }
    refresh();
}

void VideoWindow::track() {
    if (hasVideo() && !tracking()) {
        playback_->pause();
        dropFit();
        tracking_->start(*file_, marks_, frame_);
    }
}

void VideoWindow::cancelTracking() {
    tracking_->cancel();
}

bool VideoWindow::tracking() const {
    return tracking_->running();
}

void VideoWindow::fitJump() {
    if (!hasVideo()) {
        return;
    }
    JumpFitInput input;
    input.calibration = calibration_->calibration().value_or(Calibration{});
    input.timesS = file_->frameTimesS();
    input.marks = marks_.all();
    input.massKg = athlete_().massKg;
    whatIf_.reset();
    fit_ = fitPanel_->fit(input);
    fitCalibration_ = input.calibration;
    fitPath_ = fit_ ? FittedPath(*fit_, input.calibration) : std::vector<PixelPoint>{};
    fitPanel_->selectFrame(frame_);
    refresh();
    if (fit_) {
        emit videoFlightFitted(*fit_, fileName());
    }
}

void VideoWindow::dropFit() {
    if (fit_) {
        fit_.reset();
        whatIf_.reset();
        fitPath_.clear();
        fitPanel_->clear(tr("Die Markierungen oder der Stab haben sich geändert: „Auswerten“ "
                            "passt den Flug neu an."));
    }
}

QString VideoWindow::hint() const {
    if (!hasVideo()) {
        return tr("Noch kein Video. „Video öffnen…“ lädt eines (MP4, MOV, WebM, MKV). Gefilmt "
                  "wird quer zum Sprung, nicht in Sprungrichtung, mit ruhiger Kamera, und ein "
                  "Stab bekannter Länge steht senkrecht auf dem Boden in der Ebene des Sprungs.");
    }
    switch (task()) {
    case Task::Calibrate:
        return calibration_->hint();
    case Task::Mark:
        return MarkingPanel::hint(offered_);
    case Task::Track:
        return trackingPanel_->hint();
    case Task::Fit:
        return FitPanel::hint(fit_.has_value());
    }
    return {};
}

void VideoWindow::refresh() {
    VideoOverlay overlay;
    calibration_->addToOverlay(overlay);
    draggedJoints_.clear();
    std::vector<PixelPoint> draggable;
    if (hasVideo()) {
        overlay.marks = marks_.at(frame_);
        if (task() == Task::Mark) {
            overlay.offered = offered_;
        }
        for (const Joint joint : kJoints) {
            if (const auto& m = MarkOf(overlay.marks, joint)) {
                draggedJoints_.push_back(joint);
                draggable.push_back(*m);
            }
        }
    }
    if (fit_) {
        AddFitToOverlay(overlay, *fit_, fitCalibration_, frame_, fitPath_,
                        whatIf_ ? &*whatIf_ : nullptr);
    }
    if (task() == Task::Calibrate) {
        draggable.clear();
        for (const auto& end : {overlay.stickA, overlay.stickB}) {
            if (end) {
                draggable.push_back(*end);
            }
        }
    }
    view_->setDraggable(std::move(draggable));
    view_->setOverlay(std::move(overlay));
    view_->setHint(hint());
    if (hasVideo()) {
        marking_->showMarks(marks_.at(frame_), marks_.skippedAt(frame_), offered_);
    }
}

// Narrow, the tabs go under the frame, which keeps the window's whole width.
void VideoWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    splitter_->setOrientation(width() >= kSideBySideWidthPx ? Qt::Horizontal : Qt::Vertical);
}

void VideoWindow::closeEvent(QCloseEvent* event) {
    playback_->pause();
    cancelTracking();
    QWidget::closeEvent(event);
}

} // namespace purzo
