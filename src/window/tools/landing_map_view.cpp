// SPDX-License-Identifier: MIT
#include "window/tools/landing_map_view.h"

#include "design/map_palette.h"
#include "flight/quantities.h"
#include "window/translations.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace purzo {
namespace {

Qt::BrushStyle BrushOf(MapPattern pattern) {
    switch (pattern) {
    case MapPattern::ForwardDiagonal:
        return Qt::BDiagPattern;
    case MapPattern::BackwardDiagonal:
        return Qt::FDiagPattern;
    case MapPattern::Cross:
        return Qt::DiagCrossPattern;
    case MapPattern::Dots:
        return Qt::Dense6Pattern;
    case MapPattern::Plain:
        break;
    }
    return Qt::NoBrush;
}

// A cell filled in its class's colour with its pattern over it.
void FillCell(QPainter& painter, const QRectF& rect, MapClass mapClass) {
    const MapClassStyle style = MapClassStyleOf(int(mapClass));
    painter.fillRect(rect, QColor::fromRgba(style.colour));
    if (style.pattern != MapPattern::Plain) {
        painter.fillRect(rect, QBrush(QColor(0, 0, 0, 150), BrushOf(style.pattern)));
    }
}

// Every how many cells a tick stands, so that labels keep `spacePx` apart.
int TickStep(double cellPx, double spacePx) {
    for (const int step : {1, 2, 5, 10, 20, 50}) {
        if (step * cellPx >= spacePx) {
            return step;
        }
    }
    return 100;
}

} // namespace

LandingMapView::LandingMapView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("landingMapView"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 300);
    setAccessibleName(tr("Landekarte"));
}

void LandingMapView::setMap(MapKind kind, const MapAxes& axes, std::vector<MapCell> cells) {
    kind_ = kind;
    axes_ = axes;
    cells_ = std::move(cells);
    picked_.reset();
    update();
}

void LandingMapView::setMarkers(std::vector<MapMarker> markers) {
    markers_ = std::move(markers);
    update();
}

void LandingMapView::pick(std::optional<int> index) {
    if (index && (*index < 0 || *index >= int(cells_.size()))) {
        return;
    }
    picked_ = index;
    update();
    if (index) {
        emit cellPicked(*index);
    }
}

bool LandingMapView::legendBelow() const {
    return width() < 40 * fontMetrics().height();
}

QRectF LandingMapView::plotArea() const {
    const double em = fontMetrics().height();
    // Room for the axes' labels at the left and below, for the legend at the right or, in a
    // narrow window, below.
    return legendBelow() ? QRectF(rect()).adjusted(5.5 * em, 0.8 * em, -em, -11.5 * em)
                         : QRectF(rect()).adjusted(5.5 * em, 0.8 * em, -15 * em, -3.2 * em);
}

QRectF LandingMapView::cellRect(int column, int row) const {
    const QRectF plot = plotArea();
    const double w = plot.width() / std::max(axes_.columns, 1);
    const double h = plot.height() / std::max(axes_.rows, 1);
    return {plot.left() + column * w, plot.bottom() - (row + 1) * h, w, h};
}

std::optional<int> LandingMapView::cellAt(QPointF at) const {
    const QRectF plot = plotArea();
    if (cells_.empty() || !plot.contains(at)) {
        return std::nullopt;
    }
    const int column =
        std::min(int((at.x() - plot.left()) / plot.width() * axes_.columns), axes_.columns - 1);
    const int row =
        std::min(int((plot.bottom() - at.y()) / plot.height() * axes_.rows), axes_.rows - 1);
    return column * axes_.rows + row;
}

void LandingMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QRectF plot = plotArea();
    if (cells_.size() == std::size_t(axes_.columns) * std::size_t(axes_.rows)) {
        for (int i = 0; i < int(cells_.size()); ++i) {
            FillCell(painter, cellRect(i / axes_.rows, i % axes_.rows),
                     cells_[std::size_t(i)].mapClass);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().text().color());
    painter.drawRect(plot);
    drawAxes(painter, plot);
    drawLegend(painter, plot);
    const double em = fontMetrics().height();
    for (const MapMarker& m : markers_) {
        const QRectF cell = cellRect(0, 0);
        const QPointF at(plot.left() + (m.column + 0.5) * cell.width(),
                         plot.bottom() - (m.row + 0.5) * cell.height());
        painter.setPen(QPen(QColor::fromRgba(kMapMarkerColour), 2));
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(at, 0.45 * em, 0.45 * em);
        painter.drawText(at + QPointF(0.6 * em, -0.3 * em), m.label);
    }
    if (picked_) {
        painter.setPen(QPen(palette().highlight().color(), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            cellRect(*picked_ / axes_.rows, *picked_ % axes_.rows).adjusted(-1, -1, 1, 1));
    }
}

void LandingMapView::drawAxes(QPainter& painter, const QRectF& plot) const {
    if (axes_.columns <= 0 || axes_.rows <= 0) {
        return;
    }
    const TextLanguage language = CurrentTextLanguage();
    const QFontMetricsF fm(font());
    const double em = fm.height();
    const double cw = plot.width() / axes_.columns, ch = plot.height() / axes_.rows;
    const bool speed = kind_ == MapKind::SpeedAngle;
    const QLocale locale(language == TextLanguage::English ? QLocale::English : QLocale::German);
    const int xStep = TickStep(cw, 3.5 * em), yStep = TickStep(ch, 1.6 * em);
    for (int c = 0; c < axes_.columns; c += xStep) {
        const double value = axes_.firstColumn + c * axes_.columnStep;
        const QString label = speed ? locale.toString(value, 'f', 1) : QString::number(int(value));
        const double x = plot.left() + (c + 0.5) * cw;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 0.3 * em));
        painter.drawText(QRectF(x - 2 * em, plot.bottom() + 0.3 * em, 4 * em, em), Qt::AlignCenter,
                         label);
    }
    for (int r = 0; r < axes_.rows; r += yStep) {
        const double value = axes_.firstRow + r * axes_.rowStep;
        const double y = plot.bottom() - (r + 0.5) * ch;
        painter.drawLine(QPointF(plot.left() - 0.3 * em, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(plot.left() - 3.4 * em, y - em / 2, 3 * em, em),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(int(value)));
    }
    const QString xTitle = speed ? QString::fromStdString(HeaderOf(Quantity::Speed, language))
                                 : tr("Hocken ab Bild (1 Bild = 1/17 s)");
    const QString yTitle = speed ? QString::fromStdString(HeaderOf(Quantity::Angle, language))
                                 : tr("Gehockt (Bilder)");
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.5 * em, plot.width(), 1.4 * em),
                     Qt::AlignCenter, xTitle);
    painter.save();
    painter.translate(plot.left() - 4.4 * em, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -0.7 * em, plot.height(), 1.4 * em),
                     Qt::AlignCenter, yTitle);
    painter.restore();
}

void LandingMapView::drawLegend(QPainter& painter, const QRectF& plot) const {
    const double em = fontMetrics().height();
    const TextLanguage language = CurrentTextLanguage();
    const bool below = legendBelow();
    const double columnWidth = below ? (plot.width() + 4.5 * em) / 2 : 14 * em;
    // Beside the map one entry under the other; below it two to a line.
    const auto place = [&](int entry) {
        if (!below) {
            return QPointF(plot.right() + em, plot.top() + entry * 2.6 * em);
        }
        return QPointF(plot.left() - 4.5 * em + (entry % 2) * columnWidth,
                       plot.bottom() + 3.2 * em + (entry / 2) * 2.6 * em);
    };
    for (int c = 0; c < kMapClassCount; ++c) {
        const QPointF at = place(c);
        const QRectF swatch(at, QSizeF(1.6 * em, 1.2 * em));
        FillCell(painter, swatch, MapClass(c));
        painter.setPen(palette().text().color());
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch);
        painter.drawText(
            QRectF(swatch.right() + 0.5 * em, at.y() - 0.2 * em, columnWidth - 2.6 * em, 2.6 * em),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
            QString::fromUtf8(MapClassName(MapClass(c), language)));
    }
    if (!markers_.empty()) {
        const QPointF at = place(kMapClassCount);
        painter.setPen(QPen(QColor::fromRgba(kMapMarkerColour), 2));
        painter.drawEllipse(at + QPointF(0.8 * em, 0.6 * em), 0.45 * em, 0.45 * em);
        painter.drawText(
            QRectF(at.x() + 2.1 * em, at.y() - 0.2 * em, columnWidth - 2.6 * em, 2.6 * em),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, tr("Flüge der Stunde"));
    }
}

void LandingMapView::mousePressEvent(QMouseEvent* event) {
    pick(cellAt(event->position()));
    QWidget::mousePressEvent(event);
}

void LandingMapView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const auto index = cellAt(event->position())) {
        pick(index);
        emit cellActivated(*index);
    }
}

// The arrow keys walk the cells, Enter flies the one picked: the map works without a mouse.
void LandingMapView::keyPressEvent(QKeyEvent* event) {
    if (cells_.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int at = picked_.value_or(0);
    int column = at / axes_.rows, row = at % axes_.rows;
    switch (event->key()) {
    case Qt::Key_Left:
        column = std::max(column - 1, 0);
        break;
    case Qt::Key_Right:
        column = std::min(column + 1, axes_.columns - 1);
        break;
    case Qt::Key_Down:
        row = std::max(row - 1, 0);
        break;
    case Qt::Key_Up:
        row = std::min(row + 1, axes_.rows - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (picked_) {
            emit cellActivated(*picked_);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    pick(column * axes_.rows + row);
}

} // namespace purzo
