// SPDX-License-Identifier: MIT
// Every flight merged is flown again by the reader: its numbers and verdict are the program's,
// never the file's.
#include "window/lesson/log_transfer.h"

#include "flight/log_file.h"
#include "flight/whole_file.h"
#include "window/lesson/lesson_log.h"
#include "window/lesson/saving.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace purzo {

std::optional<QString> ExportLog(const FlightLog& log, const QString& path) {
    const std::string text = LogFileText(log);
    return SaveAtomically(path, [&text](QIODevice& out) {
        return out.write(text.data(), qint64(text.size())) == qint64(text.size());
    });
}

MergeOutcome MergeLogFiles(LessonLog& lesson, const QStringList& paths) {
    MergeOutcome outcome;
    for (const QString& path : paths) {
        const QString name = QFileInfo(path).fileName();
        const FileContent content =
            ReadWholeFile(QFile::encodeName(path).toStdString(), kMostLogFileBytes);
        if (content.failure) {
            outcome.unreadable << QStringLiteral("%1: %2").arg(
                name, content.failure->errorNumber == EFBIG
                          ? QCoreApplication::translate("purzo::LogTransfer", "größer als 2 MB")
                          : FileFailureReason(*content.failure));
            continue;
        }
        const LogFileReading reading = ReadLogFile(content.bytes);
        if (!reading.log) {
            outcome.unreadable << QStringLiteral("%1: %2").arg(
                name, reading.problem == LogFileProblem::NewerVersion
                          ? QCoreApplication::translate(
                                "purzo::LogTransfer",
                                "von einer neueren Version des Programms geschrieben")
                          : QCoreApplication::translate("purzo::LogTransfer",
                                                        "kein Flugprotokoll dieses Programms"));
            continue;
        }
        outcome.damagedLines += reading.damagedLines;
        outcome.differing += reading.differingResults;
        const MergeReport report = lesson.merge(*reading.log);
        outcome.added += report.added;
        outcome.alreadyThere += report.alreadyThere;
    }
    return outcome;
}

QString MergeMessage(const MergeOutcome& outcome) {
    QStringList lines;
    lines << QCoreApplication::translate("purzo::LogTransfer",
                                         "%1 Flüge übernommen, %2 waren schon im Protokoll.")
                 .arg(outcome.added)
                 .arg(outcome.alreadyThere);
    if (outcome.differing > 0) {
        lines << QCoreApplication::translate(
                     "purzo::LogTransfer",
                     QT_TRANSLATE_NOOP(
                         "purzo::LogTransfer",
                         "Bei %1 Flügen stand in der Datei ein anderes Ergebnis; es gilt das des "
                         "Programms, das jeden Flug neu geflogen hat."))
                     .arg(outcome.differing);
    }
    if (outcome.damagedLines > 0) {
        lines << QCoreApplication::translate("purzo::LogTransfer",
                                             "%1 beschädigte Zeilen wurden ausgelassen.")
                     .arg(outcome.damagedLines);
    }
    if (!outcome.unreadable.isEmpty()) {
        lines << QCoreApplication::translate("purzo::LogTransfer", "Nicht gelesen:") +
                     QStringLiteral("\n") + outcome.unreadable.join(QLatin1Char('\n'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace purzo
