// SPDX-License-Identifier: MIT
#include "window/view/accessible_flight.h"

#include "flight/panel_lines.h"
#include "flight/quantities.h"
#include "window/translations.h"
#include "window/view/canvas_widget.h"
#include "window/view/data_panel.h"
#include "window/view/flight_player.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QStringList>
#include <QWidget>
#include <cmath>

namespace purzo {

AccessibleFlight::AccessibleFlight(CanvasWidget* canvas, FlightPlayer* player)
    : QObject(canvas), canvas_(canvas), player_(player) {
    canvas_->setAccessibleDescription(IdleDescription());
    // Said as the page's live region says it: take-off, highest point, landing with its verdict.
    status_ = new QLabel(canvas);
    status_->setObjectName(QStringLiteral("flightAnnouncement"));
    status_->setGeometry(0, 0, 1, 1); // for the ear only
    status_->setStyleSheet(QStringLiteral("color: transparent; background: transparent;"));
    status_->setAttribute(Qt::WA_TransparentForMouseEvents);
    status_->show();
    connect(player_, &FlightPlayer::frameReady, this, &AccessibleFlight::announceFrame);
    connect(player_, &FlightPlayer::frameReady, this, &AccessibleFlight::remember);
    connect(player_, &FlightPlayer::frameSelected, this,
            [this](std::size_t count) { remember(player_->recordedFrames()[count - 1]); });
    connect(player_, &FlightPlayer::pausedChanged, this, &AccessibleFlight::describe);
    connect(player_, &FlightPlayer::flightFinished, this, &AccessibleFlight::announceLanding);
    connect(player_, &FlightPlayer::replayFinished, this, &AccessibleFlight::announceLanding);
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

void AccessibleFlight::announceFrame(const FrameResult& frame) {
    const double heightM = FrameValueOf(Quantity::Height, frame);
    if (frame.frame <= 1) {
        const std::optional<FlightRecord>& flight =
            player_->flightRunning() ? player_->runningFlight() : player_->replayedFlight();
        highestSaid_ = false;
        if (flight) {
            announce(QCoreApplication::translate("purzo::Page", "Absprung: %1 m/s, %2°")
                         .arg(QString::fromStdString(flight->speedText).trimmed(),
                              QString::fromStdString(flight->angleText).trimmed()));
        }
    } else if (!highestSaid_ && heightM < lastHeightM_) {
        highestSaid_ = true;
        const QLocale numbers(CurrentLanguage() == Language::English ? QLocale::English
                                                                     : QLocale::German);
        announce(QCoreApplication::translate("purzo::Page", "Höchster Punkt: %1 m, %2° gedreht")
                     .arg(numbers.toString(lastHeightM_, 'f', 2))
                     .arg(std::lround(lastRotationDeg_)));
    }
    lastHeightM_ = heightM;
    lastRotationDeg_ = frame.rotationDeg;
}

void AccessibleFlight::announceLanding() {
    const QString verdict = VerdictLineText(player_->recordedFrames());
    if (!verdict.isEmpty()) {
        announce(QCoreApplication::translate("purzo::Page", "Gelandet. %1").arg(verdict));
    }
}

void AccessibleFlight::announce(const QString& text) {
    status_->setText(text);
    status_->setAccessibleName(text);
    AnnounceAlert(status_);
    emit announced(text);
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
