// SPDX-License-Identifier: MIT
#include "window/video/video_step_bar.h"

#include "window/video/video_number.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

namespace purzo {

VideoStepBar::VideoStepBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("videoStepBar"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    first_ = button(QStringLiteral("firstFrameButton"), QStyle::SP_MediaSkipBackward,
                    tr("Erstes Bild (Pos1)"));
    back_ = button(QStringLiteral("previousFrameButton"), QStyle::SP_MediaSeekBackward,
                   tr("Ein Bild zurück (Pfeil links)"));
    play_ = button(QStringLiteral("playButton"), QStyle::SP_MediaPlay,
                   tr("Abspielen / Anhalten (Leertaste)"));
    forward_ = button(QStringLiteral("nextFrameButton"), QStyle::SP_MediaSeekForward,
                      tr("Ein Bild vor (Pfeil rechts)"));
    last_ = button(QStringLiteral("lastFrameButton"), QStyle::SP_MediaSkipForward,
                   tr("Letztes Bild (Ende)"));
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("frameSlider"));
    slider_->setAccessibleName(tr("Bild im Video"));
    field_ = new QSpinBox(this);
    field_->setObjectName(QStringLiteral("frameField"));
    field_->setAccessibleName(tr("Bildnummer"));
    auto* fieldLabel = new QLabel(tr("&Bild:"), this);
    fieldLabel->setBuddy(field_);
    speed_ = new QComboBox(this);
    speed_->setObjectName(QStringLiteral("speedField"));
    speed_->addItem(tr("1× (Echtzeit)"), 1.0);
    speed_->addItem(tr("½× (halb so schnell)"), 0.5);
    speed_->addItem(tr("¼× (viertel so schnell)"), 0.25);
    auto* speedLabel = new QLabel(tr("&Tempo:"), this);
    speedLabel->setBuddy(speed_);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("frameLabel"));
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);

    int column = 0;
    for (QToolButton* b : {first_, back_, play_, forward_, last_}) {
        grid->addWidget(b, 0, column++);
    }
    grid->addWidget(slider_, 0, column, 1, 1);
    grid->setColumnStretch(column, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(label_, 1);
    row->addWidget(fieldLabel);
    row->addWidget(field_);
    row->addSpacing(12);
    row->addWidget(speedLabel);
    row->addWidget(speed_);
    grid->addLayout(row, 1, 0, 1, column + 1);

    connect(first_, &QToolButton::clicked, this, [this] { emit frameRequested(0); });
    connect(last_, &QToolButton::clicked, this, [this] { emit frameRequested(frameCount_ - 1); });
    connect(back_, &QToolButton::clicked, this, [this] { emit stepRequested(-1); });
    connect(forward_, &QToolButton::clicked, this, [this] { emit stepRequested(1); });
    connect(play_, &QToolButton::clicked, this, &VideoStepBar::playToggled);
    connect(slider_, &QSlider::valueChanged, this, &VideoStepBar::frameRequested);
    connect(field_, &QSpinBox::valueChanged, this,
            [this](int number) { emit frameRequested(number - 1); });
    connect(speed_, &QComboBox::currentIndexChanged, this, [this] { emit speedChanged(speed()); });
    setFrameCount(0);
}

void VideoStepBar::addKeysTo(QWidget* window) {
    const auto key = [this, window](QKeySequence sequence, auto action) {
        connect(new QShortcut(sequence, window), &QShortcut::activated, this, action);
    };
    key(Qt::Key_Left, [this] { emit stepRequested(-1); });
    key(Qt::Key_Right, [this] { emit stepRequested(1); });
    key(Qt::Key_Home, [this] { emit frameRequested(0); });
    key(Qt::Key_End, [this] { emit frameRequested(frameCount_ - 1); });
    // The space bar plays from the frame and the bar; a button with the focus keeps it.
    auto* space = new QShortcut(Qt::Key_Space, parentWidget());
    space->setContext(Qt::WidgetWithChildrenShortcut);
    connect(space, &QShortcut::activated, this, &VideoStepBar::playToggled);
}

QToolButton* VideoStepBar::button(const QString& name, int icon, const QString& tip) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QString VideoStepBar::frameText(int frame, int frameCount, double timeS) {
    return tr("Bild %1 von %2 · %3 s").arg(frame + 1).arg(frameCount).arg(VideoNumber(timeS, 3));
}

void VideoStepBar::setFrameCount(int frameCount) {
    frameCount_ = frameCount;
    const QSignalBlocker a(slider_), b(field_);
    slider_->setRange(0, std::max(frameCount - 1, 0));
    field_->setRange(frameCount > 0 ? 1 : 0, frameCount);
    setEnabled(frameCount > 0);
    if (frameCount == 0) {
        label_->setText(tr("Kein Video"));
    }
}

void VideoStepBar::showFrame(int frame, double timeS) {
    const QSignalBlocker a(slider_), b(field_);
    slider_->setValue(frame);
    field_->setValue(frame + 1);
    label_->setText(frameText(frame, frameCount_, timeS));
    first_->setEnabled(frame > 0);
    back_->setEnabled(frame > 0);
    forward_->setEnabled(frame < frameCount_ - 1);
    last_->setEnabled(frame < frameCount_ - 1);
}

void VideoStepBar::setPlaying(bool playing) {
    play_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

double VideoStepBar::speed() const {
    return speed_->currentData().toDouble();
}

} // namespace purzo
