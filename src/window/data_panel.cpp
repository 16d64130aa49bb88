// SPDX-License-Identifier: MIT
// The panel's lines, its box and its corner.
#include "window/data_panel.h"

#include "flight/flight_record.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace purzo {
namespace {

const QColor kPanelBackground(255, 255, 255, 225);

QString PartName(BodyPart part) {
    switch (part) {
    case BodyPart::Hip:
        return QCoreApplication::translate("purzo::CanvasWidget", "Hüfte");
    case BodyPart::Shoulder:
        return QCoreApplication::translate("purzo::CanvasWidget", "Schulter");
    case BodyPart::Elbow:
        return QCoreApplication::translate("purzo::CanvasWidget", "Ellbogen");
    case BodyPart::Hand:
        return QCoreApplication::translate("purzo::CanvasWidget", "Hand");
    case BodyPart::Knee:
        return QCoreApplication::translate("purzo::CanvasWidget", "Knie");
    case BodyPart::Foot:
        return QCoreApplication::translate("purzo::CanvasWidget", "Fuß");
    case BodyPart::Neck:
        return QCoreApplication::translate("purzo::CanvasWidget", "Hals");
    case BodyPart::Head:
        return QCoreApplication::translate("purzo::CanvasWidget", "Kopf");
    }
    return {};
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

DataPanel::Lines DataPanel::LinesFor(const FrameResult& f, Model model, const QLocale& locale) {
    const bool exact = model == Model::Exact;
    auto number = [&locale](double value, int decimals = 2) {
        return locale.toString(value, 'f', decimals);
    };
    QString posture = QString::number(f.posture);
    if (f.posture == 1) {
        posture = tr("%1 gestreckt").arg(f.posture);
    } else if (f.posture == 7) {
        posture = tr("%1 gehockt").arg(f.posture);
    }
    const QString rotation = exact ? number(f.rotationDeg, 1) : QString::number(f.rotationDeg);
    Lines lines;
    lines.text = QStringList{
        exact ? tr("Modell: exakt") : tr("Modell: klassisch"),
        tr("Zeit: %1 s").arg(number(f.timeS)),
        tr("Weite: %1 m").arg(number(f.flightX)),
        tr("Höhe: %1 m").arg(number(CentreHeightM(f))),
        tr("Drehung: %1° (%2 Umdrehungen)").arg(rotation, number(TurnsOf(f))),
        tr("Haltung: %1").arg(posture),
    };
    if (exact) {
        lines.text << tr("Winkelgeschwindigkeit: %1 °/s").arg(number(f.omegaDegPerS, 1))
                   << tr("Trägheitsmoment: %1 kg·m²").arg(number(f.inertiaKgM2))
                   << tr("Drehimpuls: %1 kg·m²/s").arg(number(f.angularMomentumKgM2PerS));
    }
    if (f.lastFrame) {
        lines.text << tr("Flugzeit: %1 s").arg(number(f.timeS))
                   << tr("Weite: %1 m").arg(number(f.flightX)) << tr("Bilder: %1").arg(f.frame);
        lines.landingLines = 3;
        if (exact && f.landed) {
            lines.text << tr("Erster Bodenkontakt: %1").arg(PartName(f.lowestPart));
            ++lines.landingLines;
        }
    }
    return lines;
}

QSizeF DataPanel::BoxSize(const Lines& lines, const QFont& font, double scale) {
    const QFontMetricsF metrics(font);
    const double margin = 6 * scale;
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
    const double margin = 6 * scale;
    const double gap = lines.landingLines ? metrics.lineSpacing() / 2 : 0;
    painter.setFont(font);
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(kPanelBackground);
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
