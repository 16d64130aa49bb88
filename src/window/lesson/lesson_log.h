// SPDX-License-Identifier: MIT
// The lesson's log in the window: every landed flight logged, kept in a file in the user's data
// folder and read back at the start. Every change is written at once, under a lock shared with
// any other window of the program, onto what the file holds then: a flight another window logged
// meanwhile is kept. A change that cannot be written stays in memory and goes with the next
// write. A file that cannot be read is set aside beside itself, never lost.
#pragma once

#include "flight/flight_log.h"
#include "flight/log_changes.h"
#include "flight/log_merge.h"

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

namespace purzo {

class LessonLog : public QObject {
    Q_OBJECT
public:
    explicit LessonLog(QObject* parent = nullptr);
    ~LessonLog() override;

    // ~/.local/share/Purzosimulation/flugprotokoll.txt (or below XDG_DATA_HOME).
    static QString DefaultFile();

    // Reads the log in `file` and keeps it there from now on; what an earlier crash left beside
    // it is removed. A file that is not a log, is too large or of a newer version is renamed
    // "….defekt-<time>-<n>" and the lesson starts empty; one with damaged lines keeps its whole
    // lines and a copy of it as it was is set aside. Returns the message that says so, or an
    // empty one.
    QString keepIn(const QString& file);

    const FlightLog& log() const { return log_; }
    // Logs a flight that landed, with the name or group and the time now.
    int logFlight(const FlightRecord& record);
    bool setShown(int number, bool shown);
    void remove(int number);
    void clear();
    void setGroup(const QString& group);
    QString group() const { return QString::fromStdString(log_.group); }
    // The lesson's title and date (yyyy-mm-dd).
    void setLesson(const QString& title, const QString& date);
    // Shows exactly the flights `numbers` (at most eight), hides every other.
    void showOnly(const std::vector<int>& numbers);
    // Adds the flights of a student's log that the lesson does not have yet, written at once.
    MergeReport merge(const FlightLog& other);
    // True while every change is in the file.
    bool written() const { return unwritten_.empty(); }
    // Tries again to write what could not be written; the window does so every few seconds
    // while it fails, so that a disk with room again takes the flights without a new one.
    void retry();

signals:
    void changed();
    // Something the class must know about the log: it could not be read, written (said once
    // until a write succeeds again) or was set aside.
    void problem(const QString& message);
    // The log is written again after a failure.
    void recovered(const QString& message);

private:
    bool make(LogChange change);
    // Makes every change and writes them in one go; how many changed anything.
    int makeAll(std::vector<LogChange> changes);
    // Reads the file under the lock, makes the unwritten changes on it and writes it back.
    void save(bool changedHere);
    void writeOnce(bool changedHere);
    void say(const QString& message);

    FlightLog log_;     // what the window shows
    FlightLog written_; // what the file held when it was last read or written
    LogChanges unwritten_;
    QString file_;
    QString lastProblem_;  // said once until it changes or a write succeeds
    bool failing_ = false; // changes are kept back: the file cannot be read or written
    QTimer retryTimer_;
};

// Tells the class over `window` what happened to the log's file; the newest word replaces an
// older one still open ("saved again" ends "disk full").
void ShowLogMessage(QWidget* window, QMessageBox::Icon icon, const QString& message);

} // namespace purzo
