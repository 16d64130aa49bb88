// SPDX-License-Identifier: MIT
// The value sync between a take-off box and its bar, both ways.
#include "window/controls/takeoff_field.h"

#include "flight/takeoff_text.h"

#include <QLineEdit>
#include <QScrollBar>
#include <cmath>

namespace purzo {

TakeoffField::TakeoffField(QLineEdit* box, QScrollBar* bar, int lo, int hi, QObject* parent)
    : QObject(parent), box_(box), bar_(bar) {
    auto write = [this](int value) {
        if (!followingText_) {
            box_->setText(QString::number(value));
        }
    };
    connect(bar, &QScrollBar::valueChanged, this, write);
    connect(bar, &QScrollBar::sliderMoved, this, write);
    connect(box, &QLineEdit::textEdited, this, [this, lo, hi](const QString& text) {
        if (const std::optional<int> value = BarValueFor(text, lo, hi)) {
            followingText_ = true;
            bar_->setValue(*value);
            followingText_ = false;
        }
    });
    connect(box, &QLineEdit::returnPressed, this, &TakeoffField::returnPressed);
}

QString TakeoffField::text() const {
    return box_->text();
}

void TakeoffField::setValue(int value) {
    box_->setText(QString::number(value));
    bar_->setValue(value);
}

std::optional<int> TakeoffField::BarValueFor(const QString& text, int lo, int hi) {
    const std::optional<double> value = ParseTakeoffNumber(text.toStdString());
    if (!value || *value < lo || *value > hi) {
        return std::nullopt;
    }
    return int(std::round(*value));
}

} // namespace purzo
