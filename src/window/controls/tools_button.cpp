// SPDX-License-Identifier: MIT
#include "window/controls/tools_button.h"

#include "design/canvas_design.h"
#include "window/view/fonts.h"

#include <QEvent>

namespace purzo {

ToolsButton::ToolsButton(QWidget* canvas) : QToolButton(canvas) {
    setObjectName(QStringLiteral("ToolsButton"));
    setText(tr("Werkzeuge ▾"));
    setAccessibleName(text());
    setAccessibleDescription(tr("Öffnet das Menü der Werkzeuge für den Unterricht."));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
    canvas->installEventFilter(this);
    connect(this, &QToolButton::clicked, this,
            [this] { emit menuRequested(geometry().bottomLeft()); });
    setScale(1.0);
}

void ToolsButton::setScale(double scale) {
    scale_ = scale;
    QFont font = DefaultFont();
    font.setPointSizeF(font.pointSizeF() * scale);
    setFont(font);
    place();
}

bool ToolsButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) {
        place();
    }
    return QToolButton::eventFilter(watched, event);
}

void ToolsButton::place() {
    const auto* canvas = parentWidget();
    const QSize size = sizeHint();
    const int margin = int(kPanelMarginPx * scale_);
    const QRect area = canvas->contentsRect();
    setGeometry(area.right() + 1 - margin - size.width(),
                area.bottom() + 1 - margin - size.height(), size.width(), size.height());
}

} // namespace purzo
