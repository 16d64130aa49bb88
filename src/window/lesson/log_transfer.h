// SPDX-License-Identifier: MIT
// A student's log handed in as a file, and many of them gathered into the teacher's lesson.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace purzo {

class FlightLog;
class LessonLog;

// Writes `log` in the log file's own format; the reason when that fails.
std::optional<QString> ExportLog(const FlightLog& log, const QString& path);

struct MergeOutcome {
    int added = 0;
    int alreadyThere = 0;
    int differing = 0;      // flights whose result in the file was not the program's
    int damagedLines = 0;   // lines left out of files that were read
    QStringList unreadable; // each "name: reason"
};

// Reads every file, flies its flights again and adds those the lesson does not have yet.
MergeOutcome MergeLogFiles(LessonLog& lesson, const QStringList& paths);

// What the merge did, in the window's language, for the class to read.
QString MergeMessage(const MergeOutcome& outcome);

} // namespace purzo
