// SPDX-License-Identifier: MIT
// Purzo, the one window: its controls, the start-up step, the value sync, the exit and the flight,
// which the model computes frame by frame while a timer on the event loop sets the pace.
#pragma once

#include "flight.h"
#include "flight_parameters.h"
#include "model_state.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace purzo {

class CanvasWidget;

class PurzoWindow : public QWidget {
    Q_OBJECT
public:
    // Client size at which every control shows whole.
    static constexpr QSize kFullClientSize{1097, 777};

    explicit PurzoWindow(QWidget* parent = nullptr);
    ~PurzoWindow() override;

    // At the full client size where the screen's available area holds it, maximised otherwise.
    void showAtBestSize();

    const ModelState& model() const { return model_; }
    const FlightParameters& flightParameters() const { return params_; }
    bool flightRunning() const { return flight_.has_value() && !flight_->ended; }
    // The frame the canvas shows, from the running or the last flight.
    const std::optional<FrameResult>& currentFrame() const { return currentFrame_; }

    // Test seam only: shortens the pause between frames; the program never calls it.
    void setPauseOverrideForTesting(std::optional<int> pauseMs) { pauseOverrideMs_ = pauseMs; }

signals:
    void beepSounded();
    void flightStarted();
    void frameShown(int frame);
    void flightFinished(int frames);

public slots:
    // The click handler of Start.
    void startFlight();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void load();
    void stopFlight();
    void scheduleNextFrame();
    void runFrame();
    Pace selectedPace() const;

    ModelState model_;
    FlightParameters params_;
    std::optional<Flight> flight_;
    std::optional<FrameResult> currentFrame_;
    QElapsedTimer flightClock_;
    QTimer frameTimer_;
    int pauseMs_ = 0;
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
    QLabel* label19_ = nullptr;
};

} // namespace purzo
