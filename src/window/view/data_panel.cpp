// SPDX-License-Identifier: MIT
// The panel's lines, its box and its corner.
#include "window/view/data_panel.h"

#include "design/panel_box.h"
#include "design/panel_corner.h"
#include "flight/landing.h"
#include "flight/panel_lines.h"
#include "window/translations.h"

#include <QFontMetricsF>
#include <QPainter>

namespace purzo {
namespace {

QString Translated(const char* source) {
    return QCoreApplication::translate(kPanelContext, source);
}

PanelBox BoxOf(const DataPanel::Lines& lines, const QFont& font, double scale) {
    const QFontMetricsF metrics(font);
    std::vector<double> widths;
    for (const QString& line : lines.text) {
        widths.push_back(metrics.horizontalAdvance(line));
    }
    return PanelBoxFor(widths, lines.landingLines,
                       {metrics.ascent(), metrics.descent(), metrics.leading()}, scale);
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

DataPanel::Lines DataPanel::LinesFor(const FrameResult& f, Model model, const Athlete& athlete,
                                     const QLocale& locale) {
    const PanelLines panel =
        PanelLinesFor(f, model, athlete, locale.decimalPoint().at(0).toLatin1());
    Lines lines;
    for (const PanelText& line : panel.lines) {
        lines.text << FilledPanelText(line);
    }
    lines.landingLines = panel.landingLines;
    return lines;
}

QSizeF DataPanel::BoxSize(const Lines& lines, const QFont& font, double scale) {
    const PanelBox box = BoxOf(lines, font, scale);
    return {box.widthPx, box.heightPx};
}

void DataPanel::Draw(QPainter& painter, const QRectF& box, const Lines& lines, const QFont& font,
                     double scale) {
    const PanelBox measured = BoxOf(lines, font, scale);
    const double margin = kPanelMarginPx * scale;
    painter.setFont(font);
    painter.setPen(QPen(QColor::fromRgba(kPanelBorder), measured.borderPx));
    painter.setBrush(QColor::fromRgba(kPanelBackground));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    for (int i = 0; i < lines.text.size(); ++i) {
        painter.drawText(QPointF(box.left() + margin, box.top() + measured.baselinesPx[i]),
                         lines.text[i]);
    }
}

bool DataPanel::BelongsRight(const std::vector<Point>& path, const QSizeF& box, const QRectF& area,
                             const QTransform& canvasToArea, double margin, double bodyReach) {
    return PanelBelongsRight(
        path, {area.left(), area.top(), area.right(), box.width(), box.height(), margin, bodyReach},
        {canvasToArea.m11(), canvasToArea.m22(), canvasToArea.dx(), canvasToArea.dy()});
}

QString VerdictLineText(const std::vector<FrameResult>& frames) {
    const std::optional<Landing> landing = frames.empty() ? std::nullopt : LandingOf(frames.back());
    if (!landing) {
        return {};
    }
    const QLocale numbers(CurrentLanguage() == Language::English ? QLocale::English
                                                                 : QLocale::German);
    return FilledPanelText(VerdictText(*landing, numbers.decimalPoint().at(0).toLatin1()));
}

} // namespace purzo
