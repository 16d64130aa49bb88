// SPDX-License-Identifier: MIT
#include "window/video/tracking_panel.h"

#include "window/video/joint_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace purzo {
namespace {

QIcon Swatch(const std::optional<QColor>& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(colour.value_or(Qt::transparent));
    painter.drawRect(1, 1, 13, 13);
    if (!colour) {
        painter.drawLine(1, 14, 14, 1);
    }
    return QIcon(pixmap);
}

} // namespace

TrackingPanel::TrackingPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("trackingPanel"));
    auto* grid = new QGridLayout(this);
    auto* advice = new QLabel(tr("Kleben Sie farbige Marken auf die Gelenke. Wählen Sie einen "
                                 "Punkt in der Liste und klicken Sie im Bild auf seine Marke; "
                                 "„Verfolgen“ sucht die Marken dann vom gezeigten Bild bis zum "
                                 "Ende. Eine falsch gefundene Marke verschieben Sie mit der Maus."),
                              this);
    advice->setWordWrap(true);
    grid->addWidget(advice, 0, 0, 1, 2);
    joints_ = new QListWidget(this);
    joints_->setObjectName(QStringLiteral("colourList"));
    for (const Joint joint : kJoints) {
        joints_->addItem(JointText(joint));
    }
    joints_->setCurrentRow(0);
    joints_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid->addWidget(joints_, 1, 0, 1, 2);
    forget_ = new QPushButton(tr("Farbe &entfernen"), this);
    forget_->setObjectName(QStringLiteral("forgetColourButton"));
    track_ = new QPushButton(tr("&Verfolgen"), this);
    track_->setObjectName(QStringLiteral("trackButton"));
    grid->addWidget(forget_, 2, 0);
    grid->addWidget(track_, 2, 1);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("trackingProgress"));
    cancel_ = new QPushButton(tr("Abbrec&hen"), this);
    cancel_->setObjectName(QStringLiteral("cancelTrackingButton"));
    grid->addWidget(progress_, 3, 0);
    grid->addWidget(cancel_, 3, 1);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("trackingMessage"));
    message_->setWordWrap(true);
    grid->addWidget(message_, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    connect(track_, &QPushButton::clicked, this, &TrackingPanel::trackRequested);
    connect(cancel_, &QPushButton::clicked, this, &TrackingPanel::cancelRequested);
    connect(forget_, &QPushButton::clicked, this, [this] {
        if (const auto joint = picking()) {
            setColour(*joint, std::nullopt);
        }
    });
    showColours();
    setRunning(false);
}

std::optional<Joint> TrackingPanel::picking() const {
    const int row = joints_->currentRow();
    return row >= 0 ? std::optional<Joint>(kJoints[std::size_t(row)]) : std::nullopt;
}

QString TrackingPanel::hint() const {
    const std::optional<Joint> joint = picking();
    return joint ? tr("Verfolgen: %1 – klicken Sie im Bild auf seine Marke.").arg(JointText(*joint))
                 : QString();
}

void TrackingPanel::setColour(Joint joint, std::optional<QColor> colour) {
    colours_[std::size_t(joint)] = colour;
    showColours();
}

bool TrackingPanel::anyColour() const {
    return std::any_of(colours_.begin(), colours_.end(), [](const auto& c) { return c; });
}

void TrackingPanel::showColours() {
    for (const Joint joint : kJoints) {
        const auto& colour = colours_[std::size_t(joint)];
        QListWidgetItem* item = joints_->item(int(joint));
        item->setIcon(Swatch(colour));
        item->setText(colour ? tr("%1 – Farbe %2").arg(JointText(joint), colour->name())
                             : tr("%1 – keine Farbe").arg(JointText(joint)));
    }
    track_->setEnabled(anyColour() && !running_);
}

void TrackingPanel::setRunning(bool running) {
    running_ = running;
    progress_->setVisible(running);
    cancel_->setVisible(running);
    track_->setEnabled(anyColour() && !running);
}

void TrackingPanel::setProgress(int done, int total) {
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(done);
}

void TrackingPanel::setMessage(const QString& text) {
    message_->setText(text);
}

} // namespace purzo
