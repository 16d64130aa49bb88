// SPDX-License-Identifier: MIT
#include "window/view/accessible_flight.h"

#include "flight/panel_lines.h"
#include "window/translations.h"
#include "window/view/canvas_widget.h"
#include "window/view/data_panel.h"
#include "window/view/flight_player.h"

#include <QAccessible>
#include <QLocale>
#include <QStringList>
#include <QWidget>

namespace purzo {

AccessibleFlight::AccessibleFlight(CanvasWidget* canvas, FlightPlayer* player)
    : QObject(canvas), canvas_(canvas), player_(player) {
    canvas_->setAccessibleDescription(IdleDescription());
    connect(player_, &FlightPlayer::frameReady, this, &AccessibleFlight::remember);
    connect(player_, &FlightPlayer::frameSelected, this,
            [this](std::size_t count) { remember(player_->recordedFrames()[count - 1]); });
    connect(player_, &FlightPlayer::pausedChanged, this, &AccessibleFlight::describe);
    connect(player_, &FlightPlayer::flightFinished, this, &AccessibleFlight::describe);
    connect(player_, &FlightPlayer::replayFinished, this, &AccessibleFlight::describe);
}

QString AccessibleFlight::IdleDescription() {
    return tr(
        "Die Strichfigur im Flug. Das Kontextmenü schaltet die Werkzeuge für den Unterricht.");
}

void AccessibleFlight::remember(const FrameResult& frame) {
    // A new flight's first frame: what the last one said no longer holds.
    if (frame.frame <= 1 && !player_->paused()) {
        canvas_->setAccessibleDescription(IdleDescription());
    }
    shown_ = frame;
    describe();
}

void AccessibleFlight::describe() {
    // While frames follow each other the description would change many times a second; it is
    // brought up to date when the flight stands still.
    const bool moving =
        (player_->flightRunning() || player_->replayRunning()) && !player_->paused();
    if (!shown_ || moving) {
        return;
    }
    const char point = CurrentLanguage() == Language::English ? '.' : ',';
    QStringList parts;
    for (const PanelText& text : FrameDescriptionTexts(*shown_, canvas_->model(), point)) {
        parts << FilledPanelText(text);
    }
    // Setting it sends the accessibility event a screen reader listens for.
    canvas_->setAccessibleDescription(parts.join(QStringLiteral(". ")));
}

void AnnounceAlert(QWidget* warning) {
    QAccessibleEvent event(warning, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

} // namespace purzo
