// SPDX-License-Identifier: MIT
#include "window/lesson/posture_strip_delegate.h"

#include "design/posture_strip.h"
#include "window/view/posture_strip_drawing.h"

#include <QApplication>
#include <QPainter>

namespace purzo {

void PostureStripDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &background, painter,
                                       option.widget);
    // Marks as wide as the text's height allows, so that the strip grows with the window's scale.
    const double mark = std::max(2.0, option.fontMetrics.height() / 3.0);
    const QRectF area =
        QRectF(option.rect)
            .adjusted(4, option.rect.height() * 0.25, -4, -option.rect.height() * 0.25);
    DrawPostureStrip(*painter, index.data().toString(), area, mark);
}

QSize PostureStripDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    const double mark = std::max(2.0, option.fontMetrics.height() / 3.0);
    const int frames = int(index.data().toString().size());
    const double gap = mark * kPostureStripGapPx / kPostureStripMarkPx;
    return {int(frames * (mark + gap)) + 8, QStyledItemDelegate::sizeHint(option, index).height()};
}

} // namespace purzo
