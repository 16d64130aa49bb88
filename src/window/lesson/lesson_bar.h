// SPDX-License-Identifier: MIT
// The lesson above the log's table: its title and date, and the group the next flight is
// logged with, chosen from the lesson's groups in one click or typed once.
#pragma once

#include <QPointer>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace purzo {

class LessonLog;

class LessonBar : public QWidget {
    Q_OBJECT
public:
    LessonBar(LessonLog* log, QWidget* parent);
    ~LessonBar() override;

    // The name that stands for the flights without a group: "Lehrkraft".
    static QString TeacherName();

private:
    // The fields from the log, the groups in the order they first flew.
    void refresh();
    void takeGroup(const QString& typed);
    void takeLesson();

    // The main window may delete the log first; a field left while all closes finds it gone.
    QPointer<LessonLog> log_;
    QLineEdit* title_;
    QDateEdit* date_;
    QComboBox* group_;
};

} // namespace purzo
