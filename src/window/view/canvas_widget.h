// SPDX-License-Identifier: MIT
// Picture1, the canvas: the sports hall and the figure of the current frame, in canvas units of
// 200 × 150 with the origin at the top left. Border, picture and pen follow the window's scale.
// The lesson tools draw from the frames of the current flight, and beside it the flights the
// log shows; with every tool off and none shown the canvas shows the current frame's figure only.
#pragma once

#include "body/athlete.h"
#include "body/point.h"
#include "design/canvas_design.h"
#include "flight/frame_step.h"
#include "flight/model.h"
#include "window/view/canvas_tools.h"
#include "window/view/comparison_box.h"
#include "window/view/drawn_figure.h"
#include "window/view/hall_background.h"
#include "window/view/shown_flight.h"

#include <QFrame>
#include <QLocale>
#include <QPixmap>
#include <QStringList>
#include <QTransform>
#include <optional>
#include <vector>

namespace purzo {

class CanvasWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kBorderPx = kCanvasBorderPx;
    static constexpr int kPenWidthPx = kFigurePenPx;
    static constexpr QSize kDesignAreaPx{kCanvasAreaWidthPx, kCanvasAreaHeightPx};
    static constexpr QRectF kWholeView{purzo::kWholeView.left, purzo::kWholeView.top,
                                       purzo::kWholeView.width, purzo::kWholeView.height};

    explicit CanvasWidget(QWidget* parent = nullptr);

    // Logical pixels per design pixel; the border, the picture and the pen follow it.
    void setScale(double scale);
    double scale() const { return scale_; }
    // The figure's line in device pixels: 3 × scale logical pixels.
    double penWidthDevicePx() const;
    // The drawing area as it stands, drawn afresh at `scale` times its designed size, whatever
    // the window's size: for worksheets.
    QImage drawingAreaPicture(double scale);

    // A flight (or a replay) in `model` begins; the frame shown stays until its first frame
    // comes. Its centre of mass's path decides the data panel's corner.
    void startFlight(Model model = Model::Classic, const Athlete& athlete = kStandardAthlete,
                     std::vector<Point> path = {});
    Model model() const { return model_; } // of the frames shown
    // The panel's and the legend's text this much larger than the scale makes it: for the back
    // row in the presentation view.
    void setTextFactor(double factor);
    // Whether the data panel stands in the top right corner (else the top left).
    bool panelOnRight() const { return panelRight_; }
    // Shows the next frame; it stays until the next one.
    void showFrame(const FrameResult& frame);
    // Shows the last of these frames, the tools drawing the ones before it: stepping through a
    // recorded flight.
    void showFrames(std::vector<FrameResult> frames);
    // Flights drawn beside the current one: each its path, its markers, its last figure and its
    // number in its style, and a legend.
    void setShownFlights(std::vector<ShownFlight> flights);
    const std::vector<ShownFlight>& shownFlights() const { return shown_; }
    // The comparison's table rows (none: no comparison). While the tool is on and flights are
    // shown, each shown flight stands at the moment of the current flight's frame, and one box
    // holds their legend and data; the current flight's own figure only `withCurrent`.
    void setComparison(QStringList rowNames, bool withCurrent);
    bool comparing() const { return tools_.compare && !shown_.empty() && !comparisonRows_.empty(); }
    bool comparingWithoutCurrent() const { return comparing() && !currentCompared_; }
    void setTools(const CanvasTools& tools);
    const CanvasTools& tools() const { return tools_; }
    // Numbers in the data panel use this locale's decimal separator.
    void setNumberLocale(const QLocale& locale);

    // The figure of the frame shown, if any.
    std::optional<DrawnFigure> figure() const;
    // The lines the data panel shows for the frame shown (empty before the first frame).
    QStringList dataPanelLines() const;

    // Canvas units to widget pixels, for painting and for finding where a point was drawn: the
    // 200 × 150 units over the drawing area, or the whole-flight view when that tool is on.
    QTransform canvasTransform() const;
    QPointF toWidget(QPointF canvasPoint) const { return canvasTransform().map(canvasPoint); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background();
    void paintCanvas(QPainter& painter);
    // Each compared flight in its own cell, at `moment` frames after take-off.
    void paintSideBySide(QPainter& painter, std::size_t moment);
    ComparisonTable comparisonTable() const;
    // Where and at what scale the canvas is being painted: the widget, or a picture.
    QRect area() const;
    double paintScale() const;
    double panelScale() const; // the panel's and the legend's: paintScale with the text factor
    double paintRatio() const;
    void drawFigure(QPainter& painter, const DrawnFigure& figure, const QTransform& transform,
                    const QColor& colour, double widthFactor) const;
    void drawPath(QPainter& painter, const std::vector<FrameResult>& frames,
                  const QTransform& transform, const QColor& colour, bool markers) const;
    void drawDataPanel(QPainter& painter) const;
    QFont panelFont() const;
    QRectF panelBox(const QSizeF& size) const;
    void choosePanelCorner();
    // The flight begun becomes the one shown, its first frame about to come.
    void takeStartedFlight();

    HallBackground hall_;
    double scale_ = 1.0;
    struct Surface {
        QRect area;
        double scale;
    };
    std::optional<Surface> rendering_; // set while drawing into a picture
    CanvasTools tools_;
    Model model_ = Model::Classic; // of the frames shown
    Athlete athlete_;
    double textFactor_ = 1.0;
    std::vector<Point> path_; // the centre of mass's path of the flight on show
    bool panelRight_ = false;
    QLocale locale_;
    std::vector<FrameResult> frames_; // the current or last flight, as far as shown
    std::vector<ShownFlight> shown_;  // beside it, from the log
    QStringList comparisonRows_;
    bool currentCompared_ = true;
    struct Start {
        Model model;
        Athlete athlete;
        std::vector<Point> path;
    };
    std::optional<Start> starting_; // a flight begun whose first frame has not come yet
};

} // namespace purzo
