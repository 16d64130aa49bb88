// SPDX-License-Identifier: MIT
// A single-line text box with the window's focus mark.
#pragma once

#include <QLineEdit>

namespace purzo {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace purzo
