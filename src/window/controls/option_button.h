// SPDX-License-Identifier: MIT
// An option button that takes a click anywhere in its rectangle, as the pace options are laid
// out, and shows the window's focus mark.
#pragma once

#include <QRadioButton>

namespace purzo {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(const QString& text, QWidget* parent);

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace purzo
