// SPDX-License-Identifier: MIT
// The panel's lines, its box and its corner.
#include "window/data_panel.h"

#include "flight/panel_lines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

QString Translated(const char* source) {
    return QCoreApplication::translate(kPanelContext, source);
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

} // namespace

QString FilledPanelText(const PanelText& line) {
    QString text = Translated(line.source);
    for (const PanelArg& arg : line.args) {
        const QString value = QString::fromStdString(arg.text);
        if (!arg.source) {
            text = text.arg(value);
        } else {
            const QString inner = Translated(arg.source);
            text = text.arg(value.isEmpty() ? inner : inner.arg(value));
        }
    }
    return text;
}

DataPanel::Lines DataPanel::LinesFor(const FrameResult& f, Model model, const QLocale& locale) {
    const PanelLines panel = PanelLinesFor(f, model, locale.decimalPoint().at(0).toLatin1());
    Lines lines;
    for (const PanelText& line : panel.lines) {
        lines.text << FilledPanelText(line);
    }
    lines.landingLines = panel.landingLines;
    return lines;
}

QSizeF DataPanel::BoxSize(const Lines& lines, const QFont& font, double scale) {
    const QFontMetricsF metrics(font);
    const double margin = kPanelMarginPx * scale;
    double width = 0;
    for (const QString& line : lines.text) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const double gap = lines.landingLines ? metrics.lineSpacing() / 2 : 0;
    return {width + 2 * margin,
            lines.text.size() * metrics.lineSpacing() + gap + 2 * margin - metrics.leading()};
}

void DataPanel::Draw(QPainter& painter, const QRectF& box, const Lines& lines, const QFont& font,
                     double scale) {
    const QFontMetricsF metrics(font);
    const double margin = kPanelMarginPx * scale;
    const double gap = lines.landingLines ? metrics.lineSpacing() / 2 : 0;
    painter.setFont(font);
    painter.setPen(QPen(QColor::fromRgba(kPanelBorder), 1));
    painter.setBrush(QColor::fromRgba(kPanelBackground));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    double y = box.top() + margin + metrics.ascent();
    for (int i = 0; i < lines.text.size(); ++i) {
        if (i == lines.text.size() - lines.landingLines) {
            y += gap;
        }
        painter.drawText(QPointF(box.left() + margin, y), lines.text[i]);
        y += metrics.lineSpacing();
    }
}

bool DataPanel::BelongsRight(const std::vector<Point>& path, const QSizeF& box, const QRectF& area,
                             const QTransform& canvasToArea, double margin) {
    const QTransform areaToCanvas = canvasToArea.inverted();
    // How much of a box the widened path covers, sampled on a grid of the box.
    auto covered = [&](QPointF topLeft) {
        constexpr int kSamples = 24;
        int count = 0;
        for (int i = 0; i < kSamples; ++i) {
            for (int j = 0; j < kSamples; ++j) {
                const QPointF at =
                    areaToCanvas.map(topLeft + QPointF(box.width() * (i + 0.5) / kSamples,
                                                       box.height() * (j + 0.5) / kSamples));
                for (std::size_t k = 0; k < path.size(); ++k) {
                    const QPointF a(path[k].x, path[k].y);
                    const QPointF b =
                        k + 1 < path.size() ? QPointF(path[k + 1].x, path[k + 1].y) : a;
                    if (DistanceToSegment(at, a, b) <= kBodyReach) {
                        ++count;
                        break;
                    }
                }
            }
        }
        return count;
    };
    const QPointF left = area.topLeft() + QPointF(margin, margin);
    const QPointF right(area.right() - margin - box.width(), area.top() + margin);
    return covered(right) < covered(left);
}

} // namespace purzo
