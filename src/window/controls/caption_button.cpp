// SPDX-License-Identifier: MIT
// The bevel comes from the style; only the caption and the focus mark are drawn here.
#include "window/controls/caption_button.h"

#include "window/controls/focus_mark.h"
#include "window/controls/scaled_style.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

namespace purzo {
namespace {

constexpr int kCaptionInsetPx = 2; // left and right of the caption, at scale 1

} // namespace

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

QRect CaptionButton::captionRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int inset = int(std::lround(kCaptionInsetPx * StyleScale(this)));
    return style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
        .adjusted(inset, 0, -inset, 0);
}

void CaptionButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus; // the dark frame below replaces the style's tint
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect(), Qt::AlignCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        DrawFocusMark(painter, *this, rect().adjusted(1, 1, -1, -1));
    }
}

} // namespace purzo
