// SPDX-License-Identifier: MIT
// The canvas paints from state: any repaint brings back the background, the tools that are on
// and the current figure.
#include "window/view/canvas_widget.h"

#include "body/canvas_units.h"
#include "design/edge_bands.h"
#include "flight/flight_record.h"
#include "flight/panel_lines.h"
#include "window/view/comparison_box.h"
#include "window/view/data_panel.h"
#include "window/view/flight_marks.h"
#include "window/view/shown_flights_drawing.h"

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

QTransform CanvasWidget::designTransform() const {
    const QRect area = this->area();
    QTransform t;
    t.translate(area.left(), area.top());
    t.scale(area.width() / double(kCanvasWidth), area.height() / double(kCanvasHeight));
    return t;
}

QTransform CanvasWidget::wholeViewTransform() const {
    const QRectF area = this->area();
    const double k =
        std::min(area.width() / kWholeView.width(), area.height() / kWholeView.height());
    QTransform t;
    t.translate(area.left() + (area.width() - kWholeView.width() * k) / 2,
                area.top() + (area.height() - kWholeView.height() * k) / 2);
    t.scale(k, k);
    t.translate(-kWholeView.left(), -kWholeView.top());
    return t;
}

QTransform CanvasWidget::canvasTransform() const {
    return tools_.wholeView ? wholeViewTransform() : designTransform();
}

QPixmap CanvasWidget::wholeViewBackground() const {
    // The picture keeps its place in canvas units, at one scale for both directions with its
    // ground line on y 150. Beyond its edges the wall and the floor go on plainly: each strip
    // carries the mean colour of the picture's outermost band, row by row or column by column.
    const QRect area = this->area();
    const double ratio = paintRatio();
    const QTransform t = wholeViewTransform();
    const double imagePxToLogical = t.m11() * kCanvasHeight / kHallRowsPerGround;
    const QImage hall = PictureAtScale(hall_, imagePxToLogical, ratio)
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    const QSizeF hallSize = QSizeF(hall.size()) / ratio;
    const QPointF origin = t.map(QPointF(0, 0)) - QPointF(area.topLeft());

    // Edge bands of the picture averaged across their depth: a column for the sides, a row for
    // top and bottom.
    const int depth = EdgeBandDepth(hall.width(), hall.height(), imagePxToLogical * ratio);
    const std::span<const std::uint32_t> pixels(
        reinterpret_cast<const std::uint32_t*>(hall.constBits()),
        std::size_t(hall.width()) * std::size_t(hall.height()));
    auto bandMean = [&](PictureEdge edge) {
        const std::vector<std::uint32_t> means =
            EdgeBandMeans(pixels, hall.width(), hall.height(), edge, depth);
        const bool side = edge == PictureEdge::Left || edge == PictureEdge::Right;
        QImage band(side ? 1 : int(means.size()), side ? int(means.size()) : 1,
                    QImage::Format_RGB32);
        for (int i = 0; i < int(means.size()); ++i) {
            band.setPixel(side ? 0 : i, side ? i : 0, means[std::size_t(i)]);
        }
        return band;
    };
    const QImage left = bandMean(PictureEdge::Left), right = bandMean(PictureEdge::Right);
    const QImage top = bandMean(PictureEdge::Top), bottom = bandMean(PictureEdge::Bottom);

    QPixmap out(area.size() * ratio);
    out.setDevicePixelRatio(ratio);
    QPainter p(&out);
    const QRectF whole(QPointF(0, 0), QSizeF(area.size()));
    const QRectF picture(origin, hallSize);
    const double xs[] = {whole.left(), picture.left(), picture.right(), whole.right()};
    const double ys[] = {whole.top(), picture.top(), picture.bottom(), whole.bottom()};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const QRectF target(QPointF(xs[i], ys[j]), QPointF(xs[i + 1], ys[j + 1]));
            if (target.width() <= 0 || target.height() <= 0) {
                continue;
            }
            if (i == 1 && j == 1) {
                p.drawImage(target, hall);
            } else if (i == 1) {
                p.drawImage(target, j == 0 ? top : bottom);
            } else if (j == 1) {
                p.drawImage(target, i == 0 ? left : right);
            } else {
                // A corner: the colour where the two strips meet.
                const QImage& side = i == 0 ? left : right;
                p.fillRect(target, side.pixelColor(0, j == 0 ? 0 : side.height() - 1));
            }
        }
    }
    return out;
}

QPixmap CanvasWidget::background() {
    if (rendering_) {
        return tools_.wholeView ? wholeViewBackground()
                                : PictureAtScale(hall_, rendering_->scale, 1.0);
    }
    const double ratio = devicePixelRatioF();
    const QRect area = contentsRect();
    if (background_.isNull() || backgroundRatio_ != ratio || backgroundArea_ != area ||
        backgroundWholeView_ != tools_.wholeView) {
        background_ =
            tools_.wholeView ? wholeViewBackground() : PictureAtScale(hall_, scale_, ratio);
        backgroundRatio_ = ratio;
        backgroundArea_ = area;
        backgroundWholeView_ = tools_.wholeView;
    }
    return background_;
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
        ComparisonTable table{comparisonRows_, {}};
        for (const ShownFlight& flight : shown_) {
            table.columns.push_back({flight.style, flight.title, flight.comparison});
        }
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
