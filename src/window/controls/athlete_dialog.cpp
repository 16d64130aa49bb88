// SPDX-License-Identifier: MIT
// The athlete's four fields, each with its range beside it and a line for what went wrong.
#include "window/controls/athlete_dialog.h"

#include "flight/athlete_text.h"
#include "flight/number_text.h"
#include "window/translations.h"
#include "window/view/accessible_flight.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace purzo {
namespace {

// The most of a refused text the message repeats.
constexpr int kMostEchoedChars = 16;

// The program's language decides, as in the panel, not the system's locale.
char DecimalPoint() {
    return CurrentLanguage() == Language::English ? '.' : ',';
}

QString NumberText(double value) {
    return QString::fromStdString(ShortestDoubleText(value)).replace('.', QChar(DecimalPoint()));
}

// As the panel writes it.
QString TextOf(const Athlete& a, int index) {
    return QString::fromStdString(
        AthleteValueText(index, AthleteValueOf(a, index), DecimalPoint()));
}

} // namespace

AthleteDialog::AthleteDialog(const Athlete& athlete, QWidget* parent)
    : QDialog(parent), athlete_(athlete) {
    setObjectName(QStringLiteral("athleteDialog"));
    setWindowTitle(tr("Athlet"));
    auto* grid = new QGridLayout(this);
    auto* intro = new QLabel(
        tr("Gilt für das exakte Modell, vom nächsten Flug an. Alle Längen der Figur wachsen mit "
           "der Körpergröße, die Massen ihrer Teile mit der Körpermasse."),
        this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 3);
    const QString names[kAthleteValueCount] = {tr("&Körpermasse:"), tr("Körper&größe:"),
                                               tr("&Drehung beim Absprung:"), tr("Glieder &bis:")};
    const QString ranges[kAthleteValueCount] = {tr("kg (20 bis 150)"), tr("m (1,00 bis 2,20)"),
                                                tr("°/s (0 bis 400)"), tr("rad/s (4 bis 30)")};
    const char* objectNames[kAthleteValueCount] = {"massField", "heightField", "spinField",
                                                   "limbSpeedField"};
    for (int i = 0; i < kAthleteValueCount; ++i) {
        auto* label = new QLabel(names[i], this);
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(objectNames[i]));
        label->setBuddy(field);
        auto* unit = new QLabel(ranges[i], this);
        auto* message = new QLabel(this);
        message->setObjectName(QLatin1String(objectNames[i]) + QStringLiteral("Message"));
        message->setStyleSheet(QStringLiteral("color: #c80000"));
        message->setWordWrap(true);
        message->hide();
        field->setAccessibleDescription(ranges[i]);
        grid->addWidget(label, 1 + 2 * i, 0);
        grid->addWidget(field, 1 + 2 * i, 1);
        grid->addWidget(unit, 1 + 2 * i, 2);
        grid->addWidget(message, 2 + 2 * i, 1, 1, 2);
        fields_[std::size_t(i)] = field;
        messages_[std::size_t(i)] = message;
        connect(field, &QLineEdit::editingFinished, this, [this, i] { take(i); });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* standard = buttons->addButton(tr("&Standard"), QDialogButtonBox::ResetRole);
    standard->setObjectName(QStringLiteral("standardButton"));
    connect(standard, &QPushButton::clicked, this, [this] {
        athlete_ = kStandardAthlete;
        fill(athlete_);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &AthleteDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 1 + 2 * kAthleteValueCount, 0, 1, 3);
    fill(athlete_);
}

AthleteDialog::~AthleteDialog() {
    // Hiding a dialog whose field has the focus ends that field's editing, and its
    // editingFinished would reach this dialog half destroyed.
    for (QLineEdit* field : fields_) {
        disconnect(field, nullptr, this, nullptr);
    }
}

void AthleteDialog::fill(const Athlete& athlete) {
    for (int i = 0; i < kAthleteValueCount; ++i) {
        fields_[std::size_t(i)]->setText(TextOf(athlete, i));
        messages_[std::size_t(i)]->hide();
    }
}

bool AthleteDialog::take(int index) {
    QLineEdit* field = fields_[std::size_t(index)];
    QLabel* message = messages_[std::size_t(index)];
    const AthleteRange& range = AthleteRangeOf(index);
    const std::optional<double> value = ReadAthleteValue(field->text().toStdString(), range);
    if (!value) {
        const QString least = NumberText(range.least), most = NumberText(range.most);
        // A long paste is shown by its start: a word that cannot wrap would widen the dialog
        // past the screen or be cut.
        QString typed = field->text().trimmed();
        if (typed.size() > kMostEchoedChars) {
            typed = typed.left(kMostEchoedChars - 1) + QChar(0x2026);
        }
        message->setText(tr("„%1“ geht nicht: nur Zahlen von %2 bis %3. Der alte Wert gilt weiter.")
                             .arg(typed, least, most));
        // Once said, the message keeps its room when it goes: the buttons below must not move
        // up under a pointer on its way to OK while the corrected field is left.
        QSizePolicy policy = message->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        message->setSizePolicy(policy);
        message->show();
        adjustSize(); // room for the message's lines
        AnnounceAlert(message);
        field->setText(TextOf(athlete_, index));
        return false;
    }
    AthleteValueOf(athlete_, index) = *value;
    message->hide();
    return true;
}

void AthleteDialog::accept() {
    // A field still being typed in counts as left; a refused one keeps the dialog open.
    bool all = true;
    for (int i = 0; i < kAthleteValueCount; ++i) {
        all = take(i) && all;
    }
    if (all) {
        QDialog::accept();
    }
}

} // namespace purzo
