// SPDX-License-Identifier: MIT
// Purzo, the one window: the controls of the form, the take-off check when a flight starts, the
// canvas that shows each frame the flight player hands on, the lesson tools and the scale.
#pragma once

#include "flight/flight_parameters.h"
#include "flight/flight_record.h"
#include "flight/frame_step.h"
#include "flight/model.h"
#include "video/jump_fit.h"
#include "window/controls/form.h"
#include "window/controls/scaled_layout.h"
#include "window/lesson/lesson_tools.h"
#include "window/view/flight_player.h"
#include "window/view/pictures.h"
#include "window/view/shown_flight.h"

#include <QWidget>
#include <optional>

namespace purzo {

class ChartsWindow;
class FlightLogWindow;
class LessonLog;
class LessonMenu;
class LessonTools;
class ScaledStyle;
class TakeoffField;
class ToolsButton;
class ToolWindows;
class Presentation;

class PurzoWindow : public QWidget {
    Q_OBJECT
public:
    // Client size at which every control shows whole at scale 1.
    static constexpr QSize kFullClientSize = kDesignClientSize;

    explicit PurzoWindow(QWidget* parent = nullptr);
    ~PurzoWindow() override;

    // At the full client size where the screen's available area holds it with the window
    // frame; otherwise at the largest scale that fits.
    void showAtBestSize();
    // The scale the window is drawn at: min(width / 1097, height / 777), at least 0.6.
    double scale() const { return layout_.scale(); }

    const FlightParameters& flightParameters() const { return params_; }
    // The pause before each frame of the running or the last flight; 0 before the first.
    int frameDelayMs() const { return frameDelayMs_; }
    bool flightRunning() const { return player_.flightRunning(); }
    bool replayRunning() const { return player_.replayRunning(); }
    // The frame the canvas shows, from the running or the last flight, or the replay.
    const std::optional<FrameResult>& currentFrame() const { return player_.currentFrame(); }
    // The last flight that ran to its end, and the one before it.
    const std::optional<FlightRecord>& lastFlight() const { return player_.lastFlight(); }
    const std::optional<FlightRecord>& previousFlight() const { return player_.previousFlight(); }

    // The model the next flight runs in, as the canvas menu chooses it.
    Model model() const { return lessonMenu()->model(); }
    void setModel(Model model) { lessonMenu()->setModel(model); }
    // Takes the tools, the model and the pace from `settingsFile` and keeps them there whenever
    // the user changes them. Without it the window remembers nothing. Call it once.
    void rememberChoicesIn(const QString& settingsFile);

    // Reads the lesson's log from `file` and keeps every flight there from now on; without it
    // the log lives as long as the window. Call it once.
    void keepLogIn(const QString& file);
    LessonLog* lessonLog() const { return log_; }
    // The log's window, once opened.
    FlightLogWindow* logWindow() const;
    // Opens the log's window beside the main window.
    void showLog();
    // Plays a flight of the log again in its own model; false when there is no such flight.
    bool replayLoggedFlight(int number);
    // Plays the shown flights together from take-off, each at the same moment, the current
    // flight left out; nothing when none is shown.
    void compareShownFlights();

    LessonMenu* lessonMenu() const { return lessonTools_->menu(); }
    // The charts window, once opened.
    ChartsWindow* chartsWindow() const;
    // Opens the canvas's context menu at a point of the canvas.
    void showLessonMenu(const QPoint& canvasPos);
    // The saves behind the two menu entries, without their dialogs. A failure shows a message
    // naming the file and the reason, and leaves a file that was there as it was.
    bool saveFlightCsv(const QString& path) { return lessonTools_->saveFlightCsv(path); }
    bool saveFlightWorkbook(const QString& path) { return lessonTools_->saveFlightWorkbook(path); }
    bool saveCanvasPicture(const QString& path) { return lessonTools_->saveCanvasPicture(path); }
    // The picture "Bild speichern…" writes: the drawing area at twice its size with a caption.
    QImage worksheetPicture() const { return lessonTools_->worksheetPicture(); }
    QString worksheetCaption() const { return lessonTools_->worksheetCaption(); }
    QString worksheetLandingLine() const { return lessonTools_->worksheetLandingLine(); }

    // A test seam only; the program never calls it: shortens the pause between frames.
    void setPauseOverrideForTesting(std::optional<int> pauseMs) { pauseOverrideMs_ = pauseMs; }

signals:
    void beepSounded();
    void flightStarted();
    void frameShown(int frame);
    void flightFinished(int frames);
    void replayFinished(int frames);
    void saveFailed(const QString& message);

public slots:
    // The click handler of Start.
    void startFlight();
    // A flight whose every posture the plan chooses; the keys change nothing in it.
    void flyPlan(const TuckPlan& plan, const std::optional<Prediction>& prediction);
    // Plays the last flight again at the chosen pace, frame for frame.
    void replayLastFlight();
    // Opens the charts window beside the main window.
    void showCharts();
    // Opens the landing map for the take-off in the boxes, the model, athlete and last plan.
    void showLandingMap();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Starts a flight, planned or by hand as runningPlan_ says.
    void launch();
    // The canvas set for replaying a recorded flight, with the current one compared or not.
    void prepareReplay(const FlightRecord& record, bool currentCompared);
    void applyScale();
    int pauseMs() const;
    void refreshCharts();
    // The landing's verdict under the canvas, after a flight or a replay that landed.
    void showVerdict();
    // The log's shown flights, and the one before the last with that tool, beside the current.
    void refreshShownFlights();
    std::vector<ShownFlight> shownFlights() const;

    ScaledStyle* style_;
    ScaledLayout layout_;
    Picture arrowKeys_;
    Picture mark_;
    Form form_;
    TakeoffField* speed_ = nullptr;
    TakeoffField* angle_ = nullptr;
    LessonTools* lessonTools_ = nullptr;
    ToolsButton* toolsButton_ = nullptr;
    Presentation* presentation_ = nullptr;
    FlightPlayer player_;
    FlightParameters params_;
    int frameDelayMs_ = 0;
    std::optional<int> pauseOverrideMs_;
    Model runningModel_ = Model::Classic; // of the flight started last
    std::optional<TuckPlan> runningPlan_; // of the flight started last, when planned
    std::optional<Prediction> runningPrediction_;
    LessonLog* log_ = nullptr;
    ToolWindows* tools_ = nullptr;
};

} // namespace purzo
