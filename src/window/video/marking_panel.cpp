// SPDX-License-Identifier: MIT
#include "window/video/marking_panel.h"

#include "window/video/joint_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace purzo {

MarkingPanel::MarkingPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("markingPanel"));
    auto* layout = new QVBoxLayout(this);
    auto* advice = new QLabel(
        tr("Klicken Sie im Bild nacheinander auf die Punkte der Liste; nach dem Fuß geht es zum "
           "nächsten Bild. Eine Markierung lässt sich mit der Maus verschieben."),
        this);
    advice->setWordWrap(true);
    layout->addWidget(advice);
    joints_ = new QListWidget(this);
    joints_->setObjectName(QStringLiteral("jointList"));
    for (const Joint joint : kJoints) {
        joints_->addItem(JointText(joint));
    }
    joints_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    layout->addWidget(joints_);
    auto* buttons = new QHBoxLayout;
    skip_ = new QPushButton(tr("&Nicht sichtbar"), this);
    skip_->setObjectName(QStringLiteral("skipJointButton"));
    skip_->setToolTip(tr("Dieser Punkt ist im Bild verdeckt: weiter zum nächsten."));
    clear_ = new QPushButton(tr("Bild lee&ren"), this);
    clear_->setObjectName(QStringLiteral("clearFrameButton"));
    clear_->setToolTip(tr("Alle Markierungen dieses Bildes löschen."));
    buttons->addWidget(skip_);
    buttons->addWidget(clear_);
    layout->addLayout(buttons);
    layout->addStretch();
    connect(joints_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            emit jointChosen(kJoints[std::size_t(row)]);
        }
    });
    connect(skip_, &QPushButton::clicked, this, &MarkingPanel::skipRequested);
    connect(clear_, &QPushButton::clicked, this, &MarkingPanel::clearRequested);
}

void MarkingPanel::showMarks(const FrameMarks& marks, const std::bitset<kJointCount>& skipped,
                             std::optional<Joint> offered) {
    const QSignalBlocker blocker(joints_);
    for (const Joint joint : kJoints) {
        const std::size_t j = std::size_t(joint);
        QString state = tr("offen");
        if (MarkOf(marks, joint)) {
            state = tr("markiert");
        } else if (skipped.test(j)) {
            state = tr("nicht sichtbar");
        }
        QListWidgetItem* item = joints_->item(int(j));
        item->setText(tr("%1 – %2").arg(JointText(joint), state));
        QFont font = item->font();
        font.setBold(offered == joint);
        item->setFont(font);
    }
    joints_->setCurrentRow(offered ? int(*offered) : -1);
    skip_->setEnabled(offered.has_value());
}

QString MarkingPanel::hint(std::optional<Joint> offered) {
    return offered ? tr("Markieren: %1 – klicken Sie im Bild darauf.").arg(JointText(*offered))
                   : tr("Alle Punkte dieses Bildes sind markiert.");
}

std::optional<Joint> MarkingPanel::offered() const {
    const int row = joints_->currentRow();
    return row >= 0 ? std::optional<Joint>(kJoints[std::size_t(row)]) : std::nullopt;
}

} // namespace purzo
