// SPDX-License-Identifier: MIT
#include "window/view/posture_strip_drawing.h"

#include "design/posture_strip.h"

#include <QPainter>
#include <QRectF>
#include <QString>

namespace purzo {

double PostureStripWidth(int frames, double markPx) {
    return frames * markPx * (1 + kPostureStripGapPx / kPostureStripMarkPx);
}

void DrawPostureStrip(QPainter& painter, const QString& postures, const QRectF& area,
                      double markPx) {
    const double gap = markPx * kPostureStripGapPx / kPostureStripMarkPx;
    double x = area.left();
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const QChar c : postures) {
        painter.setBrush(QColor::fromRgba(PostureShade(c.digitValue())));
        painter.drawRect(QRectF(x, area.top(), markPx, area.height()));
        x += markPx + gap;
    }
    painter.restore();
}

} // namespace purzo
