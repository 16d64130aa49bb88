// SPDX-License-Identifier: MIT
// Qt's PDF writer paints the page; the table's cells come from the workbook's groups sheet, so
// that the sheet and the hand-in say the same.
#include "window/lesson/lesson_sheet.h"

#include "window/translations.h"
#include "workbook/log_sheets.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <map>

namespace purzo {
namespace {

constexpr double kMarginMm = 12;

} // namespace

QByteArray LessonSheetPdf(const FlightLog& log, const QImage& picture, const QString& today) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                  QPageLayout::Millimeter));
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Purzosimulation"));
    PaintLessonSheet(pdf, log, picture, today);
    return bytes;
}

QRectF PaintLessonSheet(QPaintDevice& device, const FlightLog& log, const QImage& picture,
                        const QString& today) {
    const bool english = CurrentLanguage() == Language::English;
    const FlightSheet groups =
        LogWorkbookFor(log, english ? WorkbookLanguage::English : WorkbookLanguage::German,
                       today.toStdString())
            .sheets.front();
    QPainter painter(&device);
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    QRectF used;

    // The title and the date from the groups sheet's first two rows.
    std::map<std::pair<int, int>, const SheetCell*> cells;
    for (const SheetCell& c : groups.cells) {
        cells[{c.row, c.column}] = &c;
    }
    auto text = [&](int row, int column) {
        const auto it = cells.find({row, column});
        if (it == cells.end()) {
            return QString();
        }
        const SheetCell& c = *it->second;
        if (!c.isNumber) {
            return QString::fromStdString(c.text);
        }
        return QLocale(english ? QLocale::English : QLocale::German)
            .toString(c.number, 'f', c.number == std::floor(c.number) ? 0 : 2);
    };
    QFont title(QStringLiteral("Arial"));
    title.setPointSizeF(18);
    title.setBold(true);
    painter.setFont(title);
    const double titleHeight = QFontMetricsF(title, &device).height();
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, text(0, 1), &used);
    QFont body(QStringLiteral("Arial"));
    body.setPointSizeF(kLessonSheetTextPt);
    painter.setFont(body);
    const QFontMetricsF metrics(body, &device);
    const double line = metrics.height() * 1.35;
    double y = page.top() + titleHeight;
    painter.drawText(QRectF(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     text(1, 0) + QStringLiteral(": ") + text(1, 1));
    y += line * 1.5;

    // The groups' table below the picture, as many rows as the sheet has.
    const int headerRow = groups.repeatedRow;
    int lastRow = headerRow;
    int columns = 0;
    for (const SheetCell& c : groups.cells) {
        lastRow = std::max(lastRow, c.row);
        columns = std::max(columns, c.column + 1);
    }
    const double tableHeight = line * (lastRow - headerRow + 1);
    const QRectF room(page.left(), y, page.width(), page.bottom() - y - tableHeight - line);
    if (!picture.isNull()) {
        const QSizeF size = QSizeF(picture.size()).scaled(room.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(room.topLeft(), size), picture);
        used |= QRectF(room.topLeft(), size);
        y += size.height() + line;
    }
    std::vector<double> widths(std::size_t(columns), 0);
    for (const SheetCell& c : groups.cells) {
        if (c.row >= headerRow) {
            QFont f = body;
            f.setBold(c.bold);
            widths[std::size_t(c.column)] =
                std::max(widths[std::size_t(c.column)],
                         QFontMetricsF(f, &device).horizontalAdvance(text(c.row, c.column)));
        }
    }
    const double gap = metrics.averageCharWidth() * 2;
    for (int row = headerRow; row <= lastRow; ++row) {
        QFont f = body;
        f.setBold(row == headerRow);
        painter.setFont(f);
        double x = page.left();
        for (int column = 0; column < columns; ++column) {
            const double w = widths[std::size_t(column)];
            QRectF drawn;
            painter.drawText(QRectF(x, y, w + gap, line), Qt::AlignLeft | Qt::AlignVCenter,
                             text(row, column), &drawn);
            used |= drawn;
            x += w + gap;
        }
        if (row == headerRow) {
            painter.drawLine(QPointF(page.left(), y + line), QPointF(x, y + line));
        }
        y += line;
    }
    return used;
}

} // namespace purzo
