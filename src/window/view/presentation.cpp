// SPDX-License-Identifier: MIT
#include "window/view/presentation.h"

#include "design/canvas_design.h"
#include "design/presentation_layout.h"
#include "window/controls/playback_keys.h"
#include "window/controls/tools_button.h"
#include "window/view/canvas_widget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace purzo {

Presentation::Presentation(Parts parts, std::function<void()> startFlight)
    : QObject(parts.window), parts_(parts), startFlight_(std::move(startFlight)) {
    parts_.canvas->installEventFilter(this);
    parts_.postureBar->installEventFilter(this);
    QWidget* window = parts_.window;
    auto* present = new QShortcut(WindowKeyFor(PlaybackAction::Present), window);
    connect(present, &QShortcut::activated, this, &Presentation::toggle);
    // F11 switches full screen for the whole window; Escape leaves the presentation first.
    auto* fullScreen = new QShortcut(WindowKeyFor(PlaybackAction::FullScreen), window);
    connect(fullScreen, &QShortcut::activated, this, [this, window] {
        if (active_) {
            return;
        }
        window->isFullScreen() ? window->showNormal() : window->showFullScreen();
    });
    auto* escape = new QShortcut(WindowKeyFor(PlaybackAction::LeavePresentation), window);
    connect(escape, &QShortcut::activated, this, [this, window] {
        if (active_) {
            leave();
        } else if (window->isFullScreen()) {
            window->showNormal();
        }
    });
}

void Presentation::toggle() {
    if (active_) {
        leave();
    } else {
        enter();
    }
}

void Presentation::enter() {
    QWidget* window = parts_.window;
    geometry_ = window->saveGeometry();
    wasFullScreen_ = window->isFullScreen();
    wasMaximized_ = window->isMaximized();
    verdictFont_ = parts_.verdictLine->font();
    hidden_.clear();
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool kept =
            child == parts_.canvas || child == parts_.verdictLine || child == parts_.postureBar;
        // Tool windows too: they return with the window, and one opened now stands over it.
        if (!kept && child->isVisible()) {
            hidden_ << child;
            child->hide();
        }
    }
    active_ = true;
    parts_.canvas->setTextFactor(kPresentationTextFactor);
    window->showFullScreen();
    layOut(window->size());
    parts_.canvas->setFocus();
}

void Presentation::leave() {
    if (!active_) {
        return;
    }
    active_ = false;
    QWidget* window = parts_.window;
    for (const QPointer<QWidget>& child : hidden_) {
        if (child) {
            child->show();
        }
    }
    hidden_.clear();
    parts_.canvas->setTextFactor(1.0);
    parts_.verdictLine->setFont(verdictFont_);
    if (wasFullScreen_) {
        window->showFullScreen();
    } else {
        window->showNormal();
        window->restoreGeometry(geometry_);
        if (wasMaximized_) {
            window->showMaximized();
        }
    }
}

void Presentation::layOut(QSize client) {
    const PresentationLayout layout = PresentationLayoutFor(client.width(), client.height());
    const QRect canvasRect(int(layout.canvasLeft), int(layout.canvasTop), int(layout.canvasWidth),
                           int(layout.canvasHeight));
    parts_.canvas->setGeometry(canvasRect);
    parts_.canvas->setScale(layout.scale);
    parts_.tools->setScale(layout.scale);
    parts_.postureBar->setGeometry(canvasRect.adjusted(4, 4, -4, -4));
    parts_.postureBar->lower();
    QFont font = verdictFont_;
    font.setPointSizeF(layout.verdictFontPt);
    parts_.verdictLine->setFont(font);
    parts_.verdictLine->setGeometry(canvasRect.left(), int(layout.verdictTop), canvasRect.width(),
                                    int(layout.verdictHeight));
}

bool Presentation::eventFilter(QObject* watched, QEvent* event) {
    // Enter starts a flight from the canvas, as it does from the text boxes in the window.
    if (active_ && event->type() == QEvent::KeyPress) {
        if (PlaybackActionOf(*static_cast<QKeyEvent*>(event)) == PlaybackAction::StartFlight) {
            startFlight_();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace purzo
