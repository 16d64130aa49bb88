// SPDX-License-Identifier: MIT
// Purzo, the one window: its controls, the start-up step, the value sync, the exit and the flight,
// which the model computes frame by frame while a timer on the event loop sets the pace.
#pragma once

#include "flight/flight_parameters.h"
#include "flight/flight_record.h"
#include "flight/frame_step.h"
#include "window/frame_clock.h"
#include "window/pace.h"
#include "window/pictures.h"
#include "window/scaled_layout.h"

#include <QTimer>
#include <QWidget>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace purzo {

class CanvasWidget;
class LessonMenu;
class ScaledStyle;

class PurzoWindow : public QWidget {
    Q_OBJECT
public:
    // Client size at which every control shows whole at scale 1.
    static constexpr QSize kFullClientSize = kDesignClientSize;
    // What the title bar and the frame around the client area take at most.
    static constexpr QSize kFrameAllowance{16, 48};

    explicit PurzoWindow(QWidget* parent = nullptr);
    ~PurzoWindow() override;

    // At the full client size where the screen's available area holds it with the window
    // frame; otherwise at the largest scale that fits.
    void showAtBestSize();
    static QSize bestClientSize(QSize availableArea);
    // The scale the window is drawn at: min(width / 1097, height / 777), at least 0.6.
    double scale() const { return layout_.scale(); }

    const FlightParameters& flightParameters() const { return params_; }
    // The pause before each frame of the running or the last flight; 0 before the first.
    int frameDelayMs() const { return frameDelayMs_; }
    bool flightRunning() const { return flight_.has_value() && !flight_->ended; }
    bool replayRunning() const { return replayNext_.has_value(); }
    // The frame the canvas shows, from the running or the last flight, or the replay.
    const std::optional<FrameResult>& currentFrame() const { return currentFrame_; }

    // The last flight that ran to its end, and the one before it.
    const std::optional<FlightRecord>& lastFlight() const { return lastFlight_; }
    const std::optional<FlightRecord>& previousFlight() const { return previousFlight_; }

    LessonMenu* lessonMenu() const { return lessonMenu_; }
    // Opens the canvas's context menu at a point of the canvas.
    void showLessonMenu(const QPoint& canvasPos);
    // The saves behind the two menu entries, without their dialogs. A failure shows a message
    // naming the file and the reason, and leaves a file that was there as it was.
    bool saveFlightCsv(const QString& path);
    bool saveCanvasPicture(const QString& path);
    // The canvas's drawing area as it stands, at the window's scale and pixel ratio.
    QImage canvasPicture() const;

    // Test seams only; the program never calls them. The first shortens the pause between
    // frames, the second lets a test drive the frame clock's time.
    void setPauseOverrideForTesting(std::optional<int> pauseMs) { pauseOverrideMs_ = pauseMs; }
    void setTimeSourceForTesting(FrameClock::TimeSource now) { clock_ = FrameClock(now); }

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
    // Plays the last flight again at the chosen pace, frame for frame.
    void replayLastFlight();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void applyScale();
    void toggleFullScreen();
    void stopFlight();
    void scheduleNextFrame();
    void runFrame();
    void runReplayFrame();
    void chooseCsvFile();
    void choosePictureFile();
    void reportSaveFailure(const QString& path, const QString& reason);
    void setAccessibleTexts();
    Pace selectedPace() const;

    ScaledStyle* style_;
    ScaledLayout layout_;
    Picture arrowKeys_;
    Picture mark_;
    bool followingText_ = false; // a bar moves to a typed number without writing it back
    FlightParameters params_;
    int frameDelayMs_ = 0;
    std::optional<Flight> flight_;
    std::optional<FlightRecord> running_; // what the running flight has shown so far
    std::optional<FlightRecord> lastFlight_;
    std::optional<FlightRecord> previousFlight_;
    std::optional<std::size_t> replayNext_; // the replay's next frame in lastFlight_
    std::optional<FrameResult> currentFrame_;
    LessonMenu* lessonMenu_ = nullptr;
    FrameClock clock_;
    QTimer frameTimer_;
    std::optional<int> pauseOverrideMs_;

    CanvasWidget* picture1_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QScrollBar* hScrollGeschw_ = nullptr;
    QScrollBar* hScrollAngle_ = nullptr;
    QLabel* picture2_ = nullptr;
    QLabel* picture3_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* ende_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QRadioButton* option3_ = nullptr;
    QButtonGroup* paceOptions_ = nullptr;
    QLabel* label19_ = nullptr;
};

} // namespace purzo
