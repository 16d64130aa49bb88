// SPDX-License-Identifier: MIT
#include "window/tools/tool_windows.h"

#include "video/video_flight.h"
#include "window/lesson/flight_log_window.h"
#include "window/lesson/lesson_log.h"
#include "window/lesson/tuck_plan_dialog.h"
#include "window/tools/charts_window.h"
#include "window/tools/landing_map_window.h"
#include "window/tools/tool_window.h"
#include "window/video/video_window.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <cmath>

namespace purzo {
namespace {

const QString kLogKey = QStringLiteral("windows/log");
const QString kChartsKey = QStringLiteral("windows/charts");
const QString kMapKey = QStringLiteral("windows/landingMap");
const QString kVideoKey = QStringLiteral("windows/video");

QRect ScreenArea(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

ToolWindows::ToolWindows(QWidget* mainWindow, LessonLog* log)
    : QObject(mainWindow), mainWindow_(mainWindow), lessonLog_(log) {}

ToolWindows::~ToolWindows() {
    writePlaces();
    // Both read the log, which as an older child of the main window would go first.
    delete log_;
    delete map_;
    delete video_;
}

void ToolWindows::writePlaces() const {
    if (settingsFile_.isEmpty()) {
        return;
    }
    QSettings settings(settingsFile_, QSettings::IniFormat);
    for (const auto& [key, place] : places_) {
        settings.setValue(key, place);
    }
}

void ToolWindows::rememberIn(const QString& settingsFile) {
    settingsFile_ = settingsFile;
}

FlightLogWindow* ToolWindows::showLog() {
    if (!log_) {
        log_ = new FlightLogWindow(lessonLog_, mainWindow_);
        connect(log_, &FlightLogWindow::replayRequested, this, &ToolWindows::replayRequested);
        connect(log_, &FlightLogWindow::compareRequested, this, &ToolWindows::compareRequested);
        connect(log_, &FlightLogWindow::lessonSheetRequested, this,
                &ToolWindows::lessonSheetRequested);
        connect(log_, &FlightLogWindow::saveFailed, this, &ToolWindows::saveFailed);
        place(*log_, charts_, kLogKey);
        log_->installEventFilter(this);
    }
    log_->show();
    log_->raise();
    return log_;
}

ChartsWindow* ToolWindows::showCharts(double scale) {
    if (!charts_) {
        charts_ = new ChartsWindow(mainWindow_);
        connect(charts_, &ChartsWindow::saveFailed, this, &ToolWindows::saveFailed);
        charts_->setScale(scale);
        place(*charts_, log_, kChartsKey);
        charts_->installEventFilter(this);
    }
    charts_->show();
    charts_->raise();
    return charts_;
}

LandingMapWindow* ToolWindows::landingMapWindow() const {
    return map_;
}

LandingMapWindow* ToolWindows::showLandingMap(const MapRequest& request) {
    if (!map_) {
        map_ = new LandingMapWindow(&lessonLog_->log(), mainWindow_);
        // A cell of the video's take-off flies over the video, from the filmed take-off the map
        // shows to 0.1 m/s and 1°; any other in the main window.
        connect(map_, &LandingMapWindow::flyRequested, this,
                [this](double v, double a, const TuckPlan& plan) {
                    const auto near = [](double x, double y) { return std::abs(x - y) < 1e-9; };
                    if (mapForVideo_ && videoFlight_ && video_ &&
                        near(v, std::round(videoFlight_->params.takeoffSpeed * 10) / 10) &&
                        near(a, std::round(videoFlight_->params.takeoffAngle))) {
                        flyWhatIf(plan, std::nullopt);
                    } else {
                        emit flyRequested(v, a, plan);
                    }
                });
        connect(map_, &LandingMapWindow::saveFailed, this, &ToolWindows::saveFailed);
        connect(lessonLog_, &LessonLog::changed, map_, &LandingMapWindow::refreshMarkers);
        place(*map_, log_, kMapKey);
        map_->installEventFilter(this);
    }
    mapForVideo_ = false;
    map_->setUp(request);
    map_->show();
    map_->raise();
    return map_;
}

VideoWindow* ToolWindows::videoWindow() const {
    return video_;
}

VideoWindow* ToolWindows::showVideo(std::function<Athlete()> athlete) {
    if (!video_) {
        video_ = new VideoWindow(mainWindow_);
        // The fitted jump joins the lesson's log as a video flight.
        connect(video_, &VideoWindow::videoFlightFitted, this,
                [this](const JumpFit& fit, const QString& fileName) {
                    videoFlight_ = FlightOfFit(fit, fileName.toStdString());
                    lessonLog_->logFlight(*videoFlight_);
                });
        connect(video_, &VideoWindow::whatIfRequested, this, &ToolWindows::askWhatIf);
        connect(video_, &VideoWindow::whatIfMapRequested, this, [this] {
            if (!videoFlight_) {
                return;
            }
            const FlightRecord& v = *videoFlight_;
            MapRequest request;
            request.kind = MapKind::Tuck;
            request.model = Model::Exact;
            request.athlete = v.athlete;
            request.speedMPerS = v.params.takeoffSpeed;
            request.angleDeg = v.params.takeoffAngle;
            showLandingMap(request);
            mapForVideo_ = true;
        });
        // A frame too small to click a joint on is of no use: the main window makes room.
        place(*video_, charts_, kVideoKey, video_->minimumSize());
        video_->installEventFilter(this);
    }
    video_->setAthleteSource(std::move(athlete));
    video_->show();
    video_->raise();
    video_->activateWindow();
    // The menu's entry opens a video: its dialog comes at once while none is open.
    if (!video_->hasVideo()) {
        video_->chooseVideo();
    }
    return video_;
}

void ToolWindows::askWhatIf() {
    if (!videoFlight_ || !video_) {
        return;
    }
    TuckPlanDialog dialog(videoFlight_->params, Model::Exact, videoFlight_->athlete,
                          video_->whatIf() && video_->whatIf()->plan ? *video_->whatIf()->plan
                                                                     : FirstOfferedPlan(),
                          video_);
    dialog.setWindowTitle(tr("Was wäre, wenn…"));
    if (dialog.exec() == QDialog::Accepted) {
        flyWhatIf(dialog.plan(), dialog.prediction());
    }
}

void ToolWindows::flyWhatIf(const TuckPlan& plan, const std::optional<Prediction>& prediction) {
    if (!videoFlight_ || !video_) {
        return;
    }
    FlightRecord flight = WhatIfFlight(*videoFlight_, PlanPostures(plan));
    flight.plan = plan;
    flight.prediction = prediction;
    lessonLog_->logFlight(flight);
    video_->showWhatIf(std::move(flight));
    video_->raise();
}

QRect ToolWindows::remembered(const QString& key) const {
    if (settingsFile_.isEmpty()) {
        return {};
    }
    return QSettings(settingsFile_, QSettings::IniFormat).value(key).toRect();
}

void ToolWindows::place(QWidget& tool, QWidget* other, const QString& key, QSize smallest) {
    const QRect screen = ScreenArea(*mainWindow_);
    const QRect kept = remembered(key);
    const QSize decoration = mainWindow_->frameGeometry().size() - mainWindow_->size();
    const QRect keptFrame(kept.topLeft(), kept.size() + decoration);
    if (kept.isValid() && screen.contains(keptFrame) &&
        !keptFrame.intersects(mainWindow_->frameGeometry())) {
        tool.resize(kept.size());
        tool.move(kept.topLeft());
        return;
    }
    PlaceBeside(tool, *mainWindow_, smallest);
    if (!other || !other->isVisible()) {
        return;
    }
    // Both in the room beside the main window: the one open keeps the upper half.
    const QRect room = other->frameGeometry().united(tool.frameGeometry());
    if (!other->frameGeometry().intersects(QRect(tool.pos(), tool.frameGeometry().size()))) {
        return;
    }
    const QSize frame = other->frameGeometry().size() - other->size();
    const int half = room.height() / 2;
    other->resize(room.width() - frame.width(), half - frame.height());
    other->move(room.topLeft());
    tool.resize(room.width() - frame.width(), room.height() - half - frame.height());
    tool.move(room.left(), room.top() + half);
}

bool ToolWindows::eventFilter(QObject* watched, QEvent* event) {
    const bool changed = event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                         event->type() == QEvent::Hide;
    auto* tool = qobject_cast<QWidget*>(watched);
    if (changed && tool && tool->isVisible()) {
        const QString& key = tool == log_      ? kLogKey
                             : tool == charts_ ? kChartsKey
                             : tool == video_  ? kVideoKey
                                               : kMapKey;
        places_[key] = QRect(tool->pos(), tool->size());
        if (event->type() == QEvent::Hide) {
            writePlaces();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace purzo
