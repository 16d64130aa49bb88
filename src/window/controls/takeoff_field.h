// SPDX-License-Identifier: MIT
// One take-off value as the window offers it: a text box and the scroll bar beside it. The bar's
// changes and drags write its value into the box; a number typed inside the range moves the bar
// to its nearest whole value (halves away from zero) without writing back, so the text stays as
// typed.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QLineEdit;
class QScrollBar;

namespace purzo {

class TakeoffField : public QObject {
    Q_OBJECT
public:
    // The range [lo, hi] is the bar's.
    TakeoffField(QLineEdit* box, QScrollBar* bar, int lo, int hi, QObject* parent);

    QString text() const;
    // Text and bar both to a whole value, as when the check puts in the standard values.
    void setValue(int value);

    // The nearest whole number, halves away from zero, of a text inside [lo, hi].
    static std::optional<int> BarValueFor(const QString& text, int lo, int hi);

signals:
    // Enter in the box.
    void returnPressed();

private:
    QLineEdit* box_;
    QScrollBar* bar_;
    bool followingText_ = false; // the bar moves to a typed number without writing it back
};

} // namespace purzo
