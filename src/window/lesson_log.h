// SPDX-License-Identifier: MIT
// The lesson's log in the window: every landed flight logged, kept in a file in the user's data
// folder that is written whole after each change, and read back at the start. A file that cannot
// be read is set aside beside itself, never lost; one that cannot be written is said once.
#pragma once

#include "flight/flight_log.h"

#include <QObject>
#include <QString>

namespace purzo {

class LessonLog : public QObject {
    Q_OBJECT
public:
    explicit LessonLog(QObject* parent = nullptr) : QObject(parent) {}

    // ~/.local/share/Purzosimulation/flugprotokoll.txt (or below XDG_DATA_HOME).
    static QString DefaultFile();

    // Reads the log in `file` and keeps it there from now on. A file that is not a log, is cut
    // short or is of a newer version is renamed "….defekt-<time>" and the lesson starts empty;
    // the message says so. Returns that message, or an empty one.
    QString keepIn(const QString& file);

    const FlightLog& log() const { return log_; }
    // Logs a flight that landed, with the name or group and the time now.
    int logFlight(const FlightRecord& record);
    bool setShown(int number, bool shown);
    void remove(int number);
    void clear();
    void setGroup(const QString& group);
    QString group() const { return QString::fromStdString(log_.group); }

signals:
    void changed();
    // The log could not be written (said once until a write succeeds again) or read.
    void problem(const QString& message);

private:
    void save();

    FlightLog log_;
    QString file_;
    bool failing_ = false;
};

} // namespace purzo
