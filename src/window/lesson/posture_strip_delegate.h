// SPDX-License-Identifier: MIT
// The log's column of chosen postures drawn as a strip, one mark per frame shaded by its posture,
// so that when and how long a flight tucked is seen at a glance. The cell's text, the digits,
// stays what assistive technology reads.
#pragma once

#include <QStyledItemDelegate>

namespace purzo {

class PostureStripDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace purzo
