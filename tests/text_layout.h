// SPDX-License-Identifier: MIT
// How many lines a text takes at a width, laid out as QPainter::drawText with Qt::TextWordWrap
// does for labels and captions: the tests' own count, beside the window's.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QTextLayout>
#include <algorithm>

namespace purzo::test {

struct Laid {
    int lines = 0;
    double height = 0;
    double widest = 0;
};

inline Laid Lay(const QFont& font, const QString& text, double width, bool wrap = true) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    const double leading = QFontMetricsF(font).leading();
    Laid laid;
    laid.height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        laid.height += leading + line.height();
        laid.widest = std::max(laid.widest, line.naturalTextWidth());
        ++laid.lines;
    }
    layout.endLayout();
    return laid;
}

} // namespace purzo::test
