// SPDX-License-Identifier: MIT
#include "window/view/presentation.h"

#include "design/canvas_design.h"
#include "design/control_table.h"
#include "window/controls/tools_button.h"
#include "window/view/canvas_widget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace purzo {
namespace {

// The verdict line's share of the screen's height below the canvas.
constexpr double kVerdictShare = 0.07;

} // namespace

Presentation::Presentation(Parts parts, std::function<void()> startFlight)
    : QObject(parts.window), parts_(parts), startFlight_(std::move(startFlight)) {
    parts_.canvas->installEventFilter(this);
    parts_.postureBar->installEventFilter(this);
    QWidget* window = parts_.window;
    auto* present = new QShortcut(QKeySequence(Qt::Key_F5), window);
    connect(present, &QShortcut::activated, this, &Presentation::toggle);
    // F11 switches full screen for the whole window; Escape leaves the presentation first.
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), window);
    connect(fullScreen, &QShortcut::activated, this, [this, window] {
        if (active_) {
            return;
        }
        window->isFullScreen() ? window->showNormal() : window->showFullScreen();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
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
    const QSize design(kCanvasAreaWidthPx + 2 * kCanvasBorderPx,
                       kCanvasAreaHeightPx + 2 * kCanvasBorderPx);
    const double scale = std::min(client.width() / double(design.width()),
                                  client.height() * (1 - kVerdictShare) / design.height());
    const QSize canvas(int(design.width() * scale), int(design.height() * scale));
    const int verdictHeight = int(client.height() * kVerdictShare);
    const int top = std::max(0, (client.height() - canvas.height() - verdictHeight) / 2);
    const QRect canvasRect(QPoint((client.width() - canvas.width()) / 2, top), canvas);
    parts_.canvas->setGeometry(canvasRect);
    parts_.canvas->setScale(scale);
    parts_.tools->setScale(scale);
    parts_.postureBar->setGeometry(canvasRect.adjusted(4, 4, -4, -4));
    parts_.postureBar->lower();
    QFont font = verdictFont_;
    font.setPointSizeF(ControlNamed("Label19").font.pointSize * scale * kPresentationTextFactor);
    parts_.verdictLine->setFont(font);
    parts_.verdictLine->setGeometry(canvasRect.left(), canvasRect.bottom() + 1, canvasRect.width(),
                                    verdictHeight);
}

bool Presentation::eventFilter(QObject* watched, QEvent* event) {
    // Enter starts a flight from the canvas, as it does from the text boxes in the window.
    if (active_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            startFlight_();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace purzo
