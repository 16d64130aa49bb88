// SPDX-License-Identifier: MIT
// The main window's tool windows, the log, the charts, the map and the video: opened on demand
// beside the main window, stacked when both share the room beside it, their places and sizes
// remembered.
#pragma once

#include "body/athlete.h"
#include "flight/flight_record.h"
#include "flight/landing_map.h"
#include "video/jump_fit.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <map>

class QWidget;

namespace purzo {

class ChartsWindow;
class FlightLogWindow;
class LandingMapWindow;
class LessonLog;
class VideoWindow;

class ToolWindows : public QObject {
    Q_OBJECT
public:
    ToolWindows(QWidget* mainWindow, LessonLog* log);
    ~ToolWindows() override;

    FlightLogWindow* logWindow() const { return log_; }
    ChartsWindow* chartsWindow() const { return charts_; }
    LandingMapWindow* landingMapWindow() const;
    // Opens the window, or brings it to the front; the first time where it was last, if that is
    // still wholly on the screen and off the main window, else beside the main window.
    FlightLogWindow* showLog();
    ChartsWindow* showCharts(double scale);
    // The map starts from the main window's model, athlete, take-off and plan.
    LandingMapWindow* showLandingMap(const MapRequest& request);
    VideoWindow* videoWindow() const;
    // The video window, with the dialog for a video while it has none; each fit takes the mass
    // of the athlete `athlete` gives at that moment.
    VideoWindow* showVideo(std::function<Athlete()> athlete);
    // The flight the last fit made, as the log keeps it.
    const std::optional<FlightRecord>& videoFlight() const { return videoFlight_; }

    // Keeps the windows' places and sizes in this settings file from now on.
    void rememberIn(const QString& settingsFile);

signals:
    void replayRequested(int number);
    void flyRequested(double speedMPerS, double angleDeg, const TuckPlan& plan);
    void compareRequested();
    void lessonSheetRequested();
    void saveFailed(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where `tool` opens; `other` is the other tool window, shared room is split in two.
    void place(QWidget& tool, QWidget* other, const QString& key, QSize smallest = {});
    QRect remembered(const QString& key) const;
    // The video's take-off flown by a plan, logged and drawn over the video.
    void flyWhatIf(const TuckPlan& plan, const std::optional<Prediction>& prediction);
    void askWhatIf();
    void writePlaces() const;

    QWidget* mainWindow_;
    LessonLog* lessonLog_;
    QPointer<FlightLogWindow> log_;
    QPointer<ChartsWindow> charts_;
    QPointer<LandingMapWindow> map_;
    QPointer<VideoWindow> video_;
    std::optional<FlightRecord> videoFlight_;
    bool mapForVideo_ = false; // the map open is the video's take-off's: its cells fly over it
    QString settingsFile_;
    std::map<QString, QRect> places_; // as last seen, written when a window closes and at the end
};

} // namespace purzo
