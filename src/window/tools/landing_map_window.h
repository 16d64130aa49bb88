// SPDX-License-Identifier: MIT
// "Landekarte…": where a body lands over every take-off for one tuck plan, or over every tuck
// plan for one take-off, computed off the window's thread with a progress bar that cancels.
// The lesson's matching flights stand on it; a click tells a cell's flight, a double click flies
// it. For one take-off it names the earliest and latest start and the shortest and longest tuck
// that land upright and stretched. Saved as a picture with its caption, or as CSV.
#pragma once

#include "flight/flight_log.h"
#include "flight/landing_map.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace purzo {

class LandingMapView;
class MapComputation;

class LandingMapWindow : public QWidget {
    Q_OBJECT
public:
    LandingMapWindow(const FlightLog* log, QWidget* parent = nullptr);
    ~LandingMapWindow() override;

    // The model, athlete, take-off and plan to start from: the main window's as they stand.
    void setUp(const MapRequest& request);
    const MapRequest& request() const { return request_; }
    bool computing() const;
    LandingMapView* view() const { return view_; }
    QLabel* summary() const { return summary_; }
    QLabel* answer() const { return answer_; }
    QComboBox* kindField() const { return kind_; }
    // Runs the map to its end at once, for saving and tests; false when cancelled.
    bool waitForMap();
    bool saveCsv(const QString& path);
    bool savePicture(const QString& path);
    QImage picture() const;
    // The lesson's flights changed: their rings follow.
    void refreshMarkers();

signals:
    void flyRequested(double speedMPerS, double angleDeg, const TuckPlan& plan);
    void saveFailed(const QString& message);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showInputs();
    void readFields();
    void start();
    void poll();
    void showCell(int index);
    void showAnswer();
    QString caption() const;

    const FlightLog* log_;
    MapRequest request_;
    std::unique_ptr<MapComputation> computation_;
    QTimer poll_;
    QTimer restart_; // a change waits for the next, so that a spin box held down computes once
    QComboBox* kind_;
    std::array<QWidget*, 2> inputs_{}; // the tuck map's take-off, the speed × angle map's plan
    QDoubleSpinBox* speed_;
    QSpinBox* angle_;
    QComboBox* tuckDepth_;
    QSpinBox* planStart_;
    QSpinBox* planLength_;
    QComboBox* planDepth_;
    QLabel* model_;
    LandingMapView* view_;
    QLabel* summary_;
    QLabel* answer_;
    QProgressBar* progress_;
    QPushButton* cancel_;
};

} // namespace purzo
