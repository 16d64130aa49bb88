// SPDX-License-Identifier: MIT
// The canvas paints from state: any repaint brings back the background, the tools that are on
// and the current figure.
#include "window/view/canvas_widget.h"

#include "body/canvas_units.h"
#include "flight/flight_record.h"
#include "flight/log_cells.h"
#include "flight/panel_lines.h"
#include "window/view/comparison_box.h"
#include "window/view/data_panel.h"
#include "window/view/flight_marks.h"
#include "window/view/shown_flights_drawing.h"
#include "window/view/side_by_side_drawing.h"
#include "window/view/view_transform.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace purzo {
namespace {

QColor Colour(Argb argb) {
    return QColor::fromRgba(argb);
}

DrawnFigure Drawn(const FrameResult& frame) {
    return ToDrawn(frame.figure);
}

} // namespace

CanvasWidget::CanvasWidget(QWidget* parent)
    : QFrame(parent), hall_(LoadPicture(QStringLiteral("sporthalle"))) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPx);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
}

void CanvasWidget::setScale(double scale) {
    scale_ = scale;
    setLineWidth(std::max(1, int(std::lround(kBorderPx * scale))));
    update();
}

void CanvasWidget::setTextFactor(double factor) {
    textFactor_ = factor;
    choosePanelCorner();
    update();
}

double CanvasWidget::panelScale() const {
    // A picture saved for a worksheet keeps the window's proportions.
    return rendering_ ? paintScale() : paintScale() * textFactor_;
}

double CanvasWidget::penWidthDevicePx() const {
    // A cosmetic pen is measured in device pixels, whatever the painter's transform.
    return kPenWidthPx * paintScale() * paintRatio();
}

void CanvasWidget::startFlight(Model model, const Athlete& athlete, std::vector<Point> path) {
    // The last frame stays until the new flight's first one replaces it, with no empty hall
    // between them.
    starting_ = Start{model, athlete, std::move(path)};
}

void CanvasWidget::takeStartedFlight() {
    if (!starting_) {
        return;
    }
    model_ = starting_->model;
    athlete_ = starting_->athlete;
    path_ = std::move(starting_->path);
    starting_.reset();
    choosePanelCorner();
    frames_.clear();
}

void CanvasWidget::showFrame(const FrameResult& frame) {
    takeStartedFlight();
    frames_.push_back(frame);
    update(contentsRect());
}

void CanvasWidget::showFrames(std::vector<FrameResult> frames) {
    takeStartedFlight();
    frames_ = std::move(frames);
    update(contentsRect());
}

void CanvasWidget::setShownFlights(std::vector<ShownFlight> flights) {
    shown_ = std::move(flights);
    update();
}

void CanvasWidget::setComparison(QStringList rowNames, bool withCurrent) {
    comparisonRows_ = std::move(rowNames);
    currentCompared_ = withCurrent;
    update();
}

void CanvasWidget::setTools(const CanvasTools& tools) {
    tools_ = tools;
    update();
}

void CanvasWidget::setNumberLocale(const QLocale& locale) {
    locale_ = locale;
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    update();
}

std::optional<DrawnFigure> CanvasWidget::figure() const {
    if (frames_.empty()) {
        return std::nullopt;
    }
    return Drawn(frames_.back());
}

QRect CanvasWidget::area() const {
    return rendering_ ? rendering_->area : contentsRect();
}

double CanvasWidget::paintScale() const {
    return rendering_ ? rendering_->scale : scale_;
}

double CanvasWidget::paintRatio() const {
    return rendering_ ? 1.0 : devicePixelRatioF();
}

QImage CanvasWidget::drawingAreaPicture(double scale) {
    const QSize size(int(std::lround(kDesignAreaPx.width() * scale)),
                     int(std::lround(kDesignAreaPx.height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    rendering_ = Surface{QRect(QPoint(0, 0), size), scale};
    {
        QPainter painter(&image);
        paintCanvas(painter);
        // A metre to measure with, in the bottom right corner, above the floor.
        const QTransform t = canvasTransform();
        const double metre = t.map(QPointF(kUnitsPerMetre, 0)).x() - t.map(QPointF(0, 0)).x();
        painter.resetTransform();
        painter.setRenderHint(QPainter::Antialiasing);
        DrawScaleBar(painter, QPointF(size.width() - 16 * scale, size.height() - 40 * scale), metre,
                     scale);
    }
    rendering_.reset();
    return image;
}

QTransform CanvasWidget::canvasTransform() const {
    return ViewTransform(tools_.wholeView, area());
}

QPixmap CanvasWidget::background() {
    const QRect area = this->area();
    const QTransform t = ViewTransform(true, QRectF(QPointF(0, 0), QSizeF(area.size())));
    const HallView view{area.size(), tools_.wholeView, paintScale(), t, paintRatio()};
    return rendering_ ? hall_.draw(view) : hall_.at(HallBackground::Canvas, view);
}

void CanvasWidget::drawFigure(QPainter& painter, const DrawnFigure& figure,
                              const QTransform& transform, const QColor& colour,
                              double widthFactor) const {
    DrawFigure(painter, figure, transform, colour, penWidthDevicePx() * widthFactor);
}

void CanvasWidget::drawPath(QPainter& painter, const std::vector<FrameResult>& frames,
                            const QTransform& transform, const QColor& colour, bool markers) const {
    // Drawn in widget pixels, so that the line and the markers keep their size in either view.
    painter.resetTransform();
    QPainterPath path;
    for (const FrameResult& f : frames) {
        const QPointF p = transform.map(QPointF(f.pathX, f.pathY));
        if (path.elementCount() == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(colour, kPathPenPx * paintScale(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    if (markers) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const double r = kPathMarkerRadiusPx * paintScale();
        for (const FrameResult& f : frames) {
            painter.drawEllipse(transform.map(QPointF(f.pathX, f.pathY)), r, r);
        }
    }
}

QStringList CanvasWidget::dataPanelLines() const {
    if (frames_.empty()) {
        return {};
    }
    return DataPanel::LinesFor(frames_.back(), model_, athlete_, locale_).text;
}

QFont CanvasWidget::panelFont() const {
    QFont font = this->font();
    font.setPointSizeF(kPanelFontPt * panelScale());
    return font;
}

QRectF CanvasWidget::panelBox(const QSizeF& size) const {
    const double margin = kPanelMarginPx * panelScale();
    const QRectF area = this->area();
    const double left = panelRight_ ? area.right() - margin - size.width() : area.left() + margin;
    return {QPointF(left, area.top() + margin), size};
}

void CanvasWidget::choosePanelCorner() {
    // Sized for the longest panel the flight can have: its landing, with wide numbers.
    const DataPanel::Lines lines =
        DataPanel::LinesFor(WidestPanelFrame(), model_, athlete_, locale_);
    const QSizeF box = DataPanel::BoxSize(lines, panelFont(), panelScale());
    panelRight_ =
        DataPanel::BelongsRight(path_, box, area(), canvasTransform(),
                                kPanelMarginPx * panelScale(), ScaledReach(athlete_, kBodyReach));
}

void CanvasWidget::drawDataPanel(QPainter& painter) const {
    if (frames_.empty()) {
        return;
    }
    painter.resetTransform();
    const DataPanel::Lines lines = DataPanel::LinesFor(frames_.back(), model_, athlete_, locale_);
    const QFont font = panelFont();
    DataPanel::Draw(painter, panelBox(DataPanel::BoxSize(lines, font, panelScale())), lines, font,
                    panelScale());
}

ComparisonTable CanvasWidget::comparisonTable() const {
    // The group's row first, then a row per quantity: the chosen postures' row is a strip.
    const auto quantities = ComparisonQuantities();
    const auto postures = std::find(quantities.begin(), quantities.end(), Quantity::Postures);
    ComparisonTable table{comparisonRows_, {}, 1 + int(postures - quantities.begin())};
    for (const ShownFlight& flight : shown_) {
        table.columns.push_back({flight.style, flight.title, flight.comparison});
    }
    return table;
}

void CanvasWidget::paintSideBySide(QPainter& painter, std::size_t moment) {
    const bool current = !frames_.empty() && currentCompared_;
    SideBySideLook look;
    look.area = area();
    look.scale = paintScale();
    look.ratio = paintRatio();
    look.blank = palette().window().color();
    look.wholeView = tools_.wholeView;
    look.freshHall = bool(rendering_);
    look.font = panelFont();
    look.panelScale = panelScale();
    DrawSideBySide(painter, look, hall_, shown_, current ? frames_ : std::vector<FrameResult>{},
                   moment, comparisonTable());
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    paintCanvas(painter);
}

void CanvasWidget::paintCanvas(QPainter& painter) {
    const QRect area = this->area();
    painter.setClipRect(area);
    painter.fillRect(area, palette().window());
    // From the drawing area's top-left corner, cut off at its right and bottom edges.
    painter.drawPixmap(area.topLeft(), background());
    const QTransform transform = canvasTransform();
    painter.setRenderHint(QPainter::Antialiasing);
    const bool comparing = this->comparing();
    const std::optional<std::size_t> moment =
        comparing && !frames_.empty() ? std::optional(frames_.size()) : std::nullopt;
    if (comparing && tools_.sideBySide) {
        paintSideBySide(painter, moment.value_or(std::size_t(-1)));
        return;
    }
    DrawShownFlights(painter, shown_, transform, moment, paintScale(), penWidthDevicePx(),
                     comparing ? ShownParts::Paths : ShownParts::All);
    const bool current = !frames_.empty() && (!comparing || currentCompared_);
    if (tools_.sequence && current) {
        for (std::size_t i = 0; i + 1 < frames_.size(); ++i) {
            drawFigure(painter, Drawn(frames_[i]), transform, Colour(kSequenceColour), 1.0);
        }
    }
    if (tools_.path && current) {
        drawPath(painter, frames_, transform, Colour(kPathColour), true);
    }
    if (current) {
        drawFigure(painter, Drawn(frames_.back()), transform, Qt::black, 1.0);
    }
    painter.resetTransform();
    if (comparing) {
        // One box for the legend and the flight data, where the paths leave room.
        const ComparisonTable table = comparisonTable();
        const FittedBox fitted = FitComparisonBox(table, panelFont(), panelScale(), area);
        const QRectF box =
            ComparisonBoxPlace(fitted.size, area, ShownPaths(shown_, transform, moment),
                               kPanelMarginPx * fitted.scale);
        DrawComparisonBox(painter, box, table, fitted.font, fitted.scale);
        DrawShownFlights(painter, shown_, transform, moment, paintScale(), penWidthDevicePx(),
                         ShownParts::Figures);
        return;
    }
    if (tools_.data) {
        drawDataPanel(painter);
    }
    // The legend takes the top corner the data panel leaves.
    std::vector<LegendEntry> legend;
    for (const ShownFlight& flight : shown_) {
        legend.push_back({flight.label, flight.style});
    }
    painter.resetTransform();
    DrawLegend(painter, area, !panelRight_, legend, panelFont(), panelScale());
}

} // namespace purzo
