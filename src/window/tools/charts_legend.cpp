// SPDX-License-Identifier: MIT
#include "window/tools/charts_legend.h"

#include "design/canvas_design.h"
#include "window/view/flight_marks.h"

#include <QFontMetricsF>
#include <QPainter>

namespace purzo {
namespace {

constexpr double kSampleEm = 2.2; // a line sample's length in the font's height

} // namespace

ChartsLegend::ChartsLegend(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chartsLegend"));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ChartsLegend::setEntries(std::vector<Entry> entries) {
    entries_ = std::move(entries);
    QStringList names;
    for (const Entry& e : entries_) {
        names << e.text;
    }
    setAccessibleName(names.join(QStringLiteral(", ")));
    updateGeometry();
    update();
}

std::vector<QRectF> ChartsLegend::layOut(int width) const {
    const QFontMetricsF metrics(font());
    const double line = metrics.height() * 1.3, gap = metrics.height();
    std::vector<QRectF> boxes;
    double x = 0, y = 0;
    for (const Entry& e : entries_) {
        const double w = metrics.height() * (kSampleEm + 0.4) + metrics.horizontalAdvance(e.text);
        if (x > 0 && x + w > width) {
            x = 0;
            y += line;
        }
        boxes.emplace_back(x, y, w, line);
        x += w + gap;
    }
    return boxes;
}

int ChartsLegend::heightForWidth(int width) const {
    const std::vector<QRectF> boxes = layOut(width);
    return boxes.empty() ? 0 : int(std::ceil(boxes.back().bottom()));
}

QSize ChartsLegend::sizeHint() const {
    return {400, heightForWidth(400)};
}

void ChartsLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const double sample = metrics.height() * kSampleEm;
    const std::vector<QRectF> boxes = layOut(width());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const QRectF& box = boxes[i];
        const double y = box.center().y();
        const QPointF from(box.left(), y), to(box.left() + sample, y);
        if (entries_[i].style) {
            const FlightStyle& style =
                kShownFlightStyles[*entries_[i].style % std::size(kShownFlightStyles)];
            painter.setPen(FlightPen(style, 2));
            painter.drawLine(from, to);
            DrawMarker(painter, (from + to) / 2, style, metrics.height() * 0.3);
        } else {
            painter.setPen(QPen(kChartedFlightColour, 2));
            painter.drawLine(from, to);
        }
        painter.setPen(palette().windowText().color());
        painter.drawText(
            QRectF(to.x() + metrics.height() * 0.4, box.top(), box.width(), box.height()),
            Qt::AlignVCenter | Qt::AlignLeft, entries_[i].text);
    }
}

} // namespace purzo
