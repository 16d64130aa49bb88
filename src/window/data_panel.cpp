// SPDX-License-Identifier: MIT
// The panel's lines, its box and its corner.
#include "window/data_panel.h"

#include "design/panel_corner.h"
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
    return PanelBelongsRight(
        path, {area.left(), area.top(), area.right(), box.width(), box.height(), margin},
        {canvasToArea.m11(), canvasToArea.m22(), canvasToArea.dx(), canvasToArea.dy()});
}

} // namespace purzo
