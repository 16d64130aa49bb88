// SPDX-License-Identifier: MIT
// "Diagramme": a tool window beside the main window with the flight over time: the height of
// the centre of mass, the distance and the rotation, and in the exact model the angular velocity
// and the moment of inertia. A marker at the frame the canvas shows; beside the flight every
// flight the canvas shows, each in its style, with a legend.
#pragma once

#include "flight/flight_log.h"
#include "flight/flight_record.h"
#include "flight/quantities.h"
#include "window/view/shown_flight.h"

#include <QWidget>
#include <array>
#include <vector>

class QChart;
class QChartView;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QValueAxis;

class QScrollArea;

namespace purzo {

class ChartsLegend;

class ChartsWindow : public QWidget {
    Q_OBJECT
public:
    // A tool window of `mainWindow`: on top of it, not modal, closing with it.
    explicit ChartsWindow(QWidget* mainWindow);

    // The flight on show (in `model`), the first `shown` of its frames as far as the canvas has
    // come, and the flights shown beside it (the exact model's own charts only of exact ones).
    void showFlight(Model model, const std::vector<FrameResult>& frames, std::size_t shown,
                    const std::vector<ShownFlight>& beside);
    // Fonts and size follow the main window's scale.
    void setScale(double scale);
    // The charts as they stand, as the save writes them.
    QImage chartsPicture() const;
    bool saveCharts(const QString& path);

    // The chart of one of the charted quantities; the exact model's only for exact flights.
    QChart* chart(purzo::Quantity quantity) const;
    bool isPlotShown(purzo::Quantity quantity) const;

signals:
    void saveFailed(const QString& message);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr std::size_t kMostBeside = FlightLog::kMostShown;
    struct Plot {
        QChartView* view = nullptr;
        QLineSeries* flight = nullptr;
        std::array<QLineSeries*, kMostBeside> beside{}; // one for each style
        QScatterSeries* marker = nullptr;
        QValueAxis* time = nullptr;
        QValueAxis* value = nullptr;
    };
    void chooseFile();
    void applyFonts();

    std::vector<Plot> plots_; // one per charted quantity, in their order
    const Plot& plotOf(purzo::Quantity quantity) const;
    QWidget* grid_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    ChartsLegend* legend_ = nullptr;
    QPushButton* save_ = nullptr;
    double scale_ = 1.0;
    int columns_ = 2; // of the charts' grid
};

} // namespace purzo
