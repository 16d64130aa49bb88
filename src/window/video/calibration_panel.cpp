// SPDX-License-Identifier: MIT
#include "window/video/calibration_panel.h"

#include "window/translations.h"
#include "window/video/video_number.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace purzo {

CalibrationPanel::CalibrationPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("calibrationPanel"));
    auto* layout = new QVBoxLayout(this);
    auto* advice = new QLabel(
        tr("Filmen Sie quer zum Sprung, nicht in Sprungrichtung, mit ruhiger Kamera. Stellen Sie "
           "einen Stab bekannter Länge senkrecht auf den Boden, in die Ebene des Sprungs, so "
           "dass er im Bild zu sehen ist. Klicken Sie dann auf sein unteres und sein oberes "
           "Ende; die Enden lassen sich danach verschieben."),
        this);
    advice->setObjectName(QStringLiteral("calibrationAdvice"));
    advice->setWordWrap(true);
    layout->addWidget(advice);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    length_ = new QDoubleSpinBox(this);
    length_->setObjectName(QStringLiteral("stickLengthField"));
    length_->setRange(0.0, 10.0);
    length_->setDecimals(2);
    length_->setSingleStep(0.05);
    length_->setValue(kStandardStickLengthM);
    length_->setSuffix(QStringLiteral(" m"));
    length_->setLocale(
        QLocale(CurrentLanguage() == Language::English ? QLocale::English : QLocale::German));
    form->addRow(tr("&Länge des Stabs:"), length_);
    layout->addLayout(form);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("calibrationMessage"));
    message_->setWordWrap(true);
    layout->addWidget(message_);
    layout->addStretch();
    connect(length_, &QDoubleSpinBox::valueChanged, this, [this] {
        recalibrate();
        emit changed();
    });
    recalibrate();
}

double CalibrationPanel::lengthM() const {
    return length_->value();
}

void CalibrationPanel::clickAt(PixelPoint at) {
    if (!first_ || second_) {
        first_ = at;
        second_.reset();
    } else {
        second_ = at;
    }
    recalibrate();
    emit changed();
}

void CalibrationPanel::moveEnd(int end, PixelPoint at) {
    (end == 0 ? first_ : second_) = at;
    recalibrate();
    emit changed();
}

void CalibrationPanel::reset() {
    first_.reset();
    second_.reset();
    recalibrate();
    emit changed();
}

QString CalibrationPanel::hint() const {
    if (!first_ || second_) {
        return tr("Kalibrieren: Klicken Sie auf das untere Ende des Stabs.");
    }
    return tr("Kalibrieren: Klicken Sie auf das obere Ende des Stabs.");
}

void CalibrationPanel::addToOverlay(VideoOverlay& overlay) const {
    overlay.stickA = first_;
    overlay.stickB = second_;
    overlay.stickLabel = tr("%1 m").arg(VideoNumber(lengthM(), 2));
    if (calibration_) {
        overlay.floorAt = calibration_->foot;
        overlay.floorDirection = {-calibration_->upY, calibration_->upX}; // up turned clockwise
    }
}

void CalibrationPanel::recalibrate() {
    calibration_.reset();
    message_->setStyleSheet({});
    if (!first_ || !second_) {
        message_->setText(tr("Noch nicht kalibriert."));
        return;
    }
    const Stick stick{*first_, *second_, lengthM()};
    calibration_ = CalibrationOf(stick);
    if (calibration_) {
        message_->setText(tr("Kalibriert: %1 Pixel pro Meter; die Kamera ist um %2° geneigt.")
                              .arg(VideoNumber(calibration_->pixelsPerMetre, 0),
                                   VideoNumber(calibration_->rollDeg(), 1)));
        return;
    }
    // The model refuses a stick for one of two reasons; the student needs to know which.
    message_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    if (!(lengthM() > 0)) {
        message_->setText(tr("Ein Stab von 0 m Länge gibt keinen Maßstab: tragen Sie seine "
                             "wirkliche Länge ein. Nicht kalibriert."));
    } else {
        message_->setText(tr("Beide Klicks liegen an derselben Stelle: klicken Sie auf das untere "
                             "und dann auf das obere Ende des Stabs. Nicht kalibriert."));
    }
}

} // namespace purzo
