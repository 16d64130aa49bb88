// SPDX-License-Identifier: MIT
#include "window/lesson/tuck_plan_dialog.h"

#include "flight/flight_constants.h"
#include "flight/number_text.h"
#include "window/translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace purzo {
namespace {

QString Seconds(double seconds) {
    const char point = CurrentTextLanguage() == TextLanguage::English ? '.' : ',';
    return QString::fromStdString(FixedText(seconds, 2, point));
}

constexpr Verdict kVerdicts[] = {Verdict::Upright, Verdict::TooFar, Verdict::TooShort,
                                 Verdict::NotOnFeet};

} // namespace

TuckPlanDialog::TuckPlanDialog(const FlightParameters& params, Model model, const Athlete& athlete,
                               const TuckPlan& last, QWidget* parent)
    : QDialog(parent), params_(params), model_(model), athlete_(athlete) {
    setObjectName(QStringLiteral("tuckPlanDialog"));
    setWindowTitle(tr("Hockplan"));
    auto* grid = new QGridLayout(this);
    auto* intro = new QLabel(
        tr("Der Flug beginnt gestreckt, hockt ab dem gewählten Bild so lange wie geplant und "
           "streckt sich dann wieder. Die Pfeiltasten ändern in diesem Flug nichts."),
        this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 3);

    start_ = new QSpinBox(this);
    start_->setObjectName(QStringLiteral("tuckStartField"));
    length_ = new QSpinBox(this);
    length_->setObjectName(QStringLiteral("tuckLengthField"));
    depth_ = new QComboBox(this);
    depth_->setObjectName(QStringLiteral("tuckDepthField"));
    for (int p = kFirstPlanDepth; p <= kLastPosture; ++p) {
        depth_->addItem(
            p == kLastPosture ? tr("Haltung %1 (eng gehockt)").arg(p) : tr("Haltung %1").arg(p), p);
    }
    startTime_ = new QLabel(this);
    lengthTime_ = new QLabel(this);
    const auto row = [this, grid](int at, const QString& name, QWidget* field, QLabel* note) {
        auto* label = new QLabel(name, this);
        label->setBuddy(field);
        grid->addWidget(label, at, 0);
        grid->addWidget(field, at, 1);
        if (note) {
            grid->addWidget(note, at, 2);
        }
    };
    row(1, tr("Hocken ab &Bild:"), start_, startTime_);
    row(2, tr("Gehockt &für:"), length_, lengthTime_);
    row(3, tr("&Haltung:"), depth_, nullptr);
    postureList_ = new QLineEdit(this);
    postureList_->setObjectName(QStringLiteral("postureListField"));
    postureList_->setPlaceholderText(QStringLiteral("1,1,7,7,7,7,1"));
    auto* listNote = new QLabel(tr("statt der drei Felder, wie purzo-trace --postures"), this);
    row(4, tr("&Oder Haltungen Bild für Bild:"), postureList_, listNote);
    // With a list, the three fields above count nothing.
    connect(postureList_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const bool fields = text.trimmed().isEmpty();
        start_->setEnabled(fields);
        length_->setEnabled(fields);
        depth_->setEnabled(fields);
    });

    predict_ = new QCheckBox(tr("&Vorhersage der Gruppe:"), this);
    predict_->setObjectName(QStringLiteral("predictField"));
    grid->addWidget(predict_, 5, 0, 1, 3);
    verdict_ = new QComboBox(this);
    verdict_->setObjectName(QStringLiteral("predictedVerdictField"));
    for (const Verdict v : kVerdicts) {
        verdict_->addItem(QString::fromUtf8(VerdictName(v, CurrentTextLanguage())), int(v));
    }
    rotation_ = new QLineEdit(QStringLiteral("360"), this);
    rotation_->setObjectName(QStringLiteral("predictedRotationField"));
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("predictedUnitField"));
    unit_->addItem(tr("Grad"));
    unit_->addItem(tr("Umdrehungen"));
    row(6, tr("&Landung:"), verdict_, nullptr);
    row(7, tr("&Drehung:"), rotation_, nullptr);
    grid->addWidget(unit_, 7, 2);
    for (QWidget* w : {static_cast<QWidget*>(verdict_), static_cast<QWidget*>(rotation_),
                       static_cast<QWidget*>(unit_)}) {
        w->setEnabled(false);
        connect(predict_, &QCheckBox::toggled, w, &QWidget::setEnabled);
    }
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("tuckPlanMessage"));
    message_->setStyleSheet(QStringLiteral("color: #c80000"));
    message_->setWordWrap(true);
    message_->hide();
    grid->addWidget(message_, 8, 0, 1, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* fly = buttons->addButton(tr("Plan flie&gen"), QDialogButtonBox::AcceptRole);
    fly->setObjectName(QStringLiteral("flyPlanButton"));
    fly->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TuckPlanDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 9, 0, 1, 3);

    depth_->setCurrentIndex(std::clamp(last.depth, kFirstPlanDepth, kLastPosture) -
                            kFirstPlanDepth);
    showTimes();
    start_->setValue(last.startFrame);
    length_->setValue(last.frames);
    QStringList list;
    for (const int p : last.postures) {
        list << QString::number(p);
    }
    postureList_->setText(list.join(','));
    showTimes();
    connect(start_, &QSpinBox::valueChanged, this, &TuckPlanDialog::showTimes);
    connect(length_, &QSpinBox::valueChanged, this, &TuckPlanDialog::showTimes);
    connect(depth_, &QComboBox::currentIndexChanged, this, &TuckPlanDialog::showTimes);
}

// The ranges this take-off allows, and what the frames chosen mean in seconds.
void TuckPlanDialog::showTimes() {
    const PlanLimits limits = PlanLimitsFor(params_, model_, athlete_, plan().depth);
    start_->setRange(kFirstPlanStartFrame, limits.lastStartFrame);
    length_->setRange(1, limits.longestFrames);
    const QString startRange =
        tr("Bild %1 bis %2").arg(kFirstPlanStartFrame).arg(limits.lastStartFrame);
    const QString lengthRange = tr("1 bis %1 Bilder").arg(limits.longestFrames);
    startTime_->setText(tr("%1 s nach dem Absprung (%2)")
                            .arg(Seconds(PlanFrameTimeS(start_->value())), startRange));
    lengthTime_->setText(
        tr("Bilder = %1 s (%2)").arg(Seconds(length_->value() / kFramesPerSecond), lengthRange));
    start_->setAccessibleDescription(startTime_->text());
    length_->setAccessibleDescription(lengthTime_->text());
}

TuckPlan TuckPlanDialog::plan() const {
    const auto list = ReadPostureList(postureList_->text().toStdString());
    return {start_->value(), length_->value(), depth_->currentData().toInt(),
            list.value_or(std::vector<int>{})};
}

std::optional<Prediction> TuckPlanDialog::prediction() const {
    if (!predict_->isChecked()) {
        return std::nullopt;
    }
    const auto degrees =
        ReadPredictedRotationDeg(rotation_->text().toStdString(), unit_->currentIndex() == 1);
    if (!degrees) {
        return std::nullopt;
    }
    return Prediction{Verdict(verdict_->currentData().toInt()), *degrees};
}

void TuckPlanDialog::accept() {
    const QString list = postureList_->text();
    if (!list.trimmed().isEmpty() && !ReadPostureList(list.toStdString())) {
        message_->setText(tr("Die Haltungen sind Zahlen von 1 bis 7, durch Kommas getrennt, "
                             "eine für jedes Bild, nicht „%1“.")
                              .arg(list.left(24)));
        message_->show();
        postureList_->setFocus();
        postureList_->selectAll();
        return;
    }
    if (predict_->isChecked() && !prediction()) {
        message_->setText(tr("Die Drehung ist eine Zahl von 0 bis 3600 Grad (10 Umdrehungen), "
                             "nicht „%1“.")
                              .arg(rotation_->text().left(16)));
        message_->show();
        rotation_->setFocus();
        rotation_->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace purzo
