// SPDX-License-Identifier: MIT
// The lesson's fields, written to the log when they are left.
#include "window/lesson/lesson_bar.h"

#include "flight/lesson_groups.h"
#include "window/lesson/lesson_log.h"
#include "window/translations.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace purzo {

QString LessonBar::TeacherName() {
    return tr("Lehrkraft");
}

LessonBar::LessonBar(LessonLog* log, QWidget* parent) : QWidget(parent), log_(log) {
    auto* titleLabel = new QLabel(tr("&Stunde:"), this);
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("lessonTitle"));
    title_->setPlaceholderText(tr("Titel der Stunde"));
    titleLabel->setBuddy(title_);
    date_ = new QDateEdit(this);
    date_->setObjectName(QStringLiteral("lessonDate"));
    date_->setCalendarPopup(true);
    // Digits only: the system's month names need not be the window's language.
    date_->setDisplayFormat(CurrentLanguage() == Language::English ? QStringLiteral("yyyy-MM-dd")
                                                                   : QStringLiteral("dd.MM.yyyy"));
    date_->setAccessibleName(tr("Datum der Stunde"));
    auto* groupLabel = new QLabel(tr("&Name / Gruppe:"), this);
    group_ = new QComboBox(this);
    group_->setObjectName(QStringLiteral("groupChooser"));
    group_->setEditable(true);
    group_->setInsertPolicy(QComboBox::NoInsert);
    group_->lineEdit()->setObjectName(QStringLiteral("groupField"));
    group_->setMinimumContentsLength(14);
    groupLabel->setBuddy(group_);

    // Two rows, so that the log window stays narrow enough for a small screen.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(titleLabel, 0, 0);
    grid->addWidget(title_, 0, 1);
    grid->addWidget(date_, 0, 2);
    grid->addWidget(groupLabel, 1, 0);
    grid->addWidget(group_, 1, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(title_, &QLineEdit::editingFinished, this, &LessonBar::takeLesson);
    connect(date_, &QDateEdit::editingFinished, this, &LessonBar::takeLesson);
    connect(group_->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { takeGroup(group_->currentText()); });
    connect(group_, &QComboBox::activated, this,
            [this](int index) { takeGroup(group_->itemText(index)); });
    connect(log_, &LessonLog::changed, this, &LessonBar::refresh);
    refresh();
}

LessonBar::~LessonBar() {
    // Closing takes the focus from a field, and its editingFinished would reach this bar half
    // destroyed and a log the main window may have deleted already.
    disconnect(title_, nullptr, this, nullptr);
    disconnect(date_, nullptr, this, nullptr);
    disconnect(group_->lineEdit(), nullptr, this, nullptr);
}

void LessonBar::refresh() {
    const FlightLog& log = log_->log();
    if (!title_->hasFocus()) {
        title_->setText(QString::fromStdString(log.title));
    }
    if (!date_->hasFocus()) {
        const QDate date = QDate::fromString(QString::fromStdString(log.date), Qt::ISODate);
        date_->setDate(date.isValid() ? date : QDate::currentDate());
    }
    const QSignalBlocker blocker(group_);
    const QString current = log.group.empty() ? TeacherName() : QString::fromStdString(log.group);
    group_->clear();
    group_->addItem(TeacherName());
    for (const std::string& name : GroupNames(log)) {
        group_->addItem(QString::fromStdString(name));
    }
    if (group_->findText(current) < 0) {
        group_->addItem(current);
    }
    group_->setCurrentText(current);
}

void LessonBar::takeGroup(const QString& typed) {
    if (!log_) {
        return;
    }
    const QString name = typed.trimmed();
    log_->setGroup(name == TeacherName() ? QString() : name);
}

void LessonBar::takeLesson() {
    if (!log_) {
        return;
    }
    log_->setLesson(title_->text().trimmed(), date_->date().toString(Qt::ISODate));
}

} // namespace purzo
