// SPDX-License-Identifier: MIT
// "Werkzeuge ▾": a small button in the canvas's lower right corner that opens the canvas's menu,
// so that everyone sees there is one, not only those who know the right click.
#pragma once

#include <QToolButton>

namespace purzo {

class ToolsButton : public QToolButton {
    Q_OBJECT

public:
    explicit ToolsButton(QWidget* canvas);
    // Its text grows with the window, as the menu it opens does.
    void setScale(double scale);

signals:
    // Where the menu opens, in the canvas's coordinates: under the button, as a drop-down opens.
    void menuRequested(const QPoint& canvasPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    double scale_ = 1.0;
};

} // namespace purzo
