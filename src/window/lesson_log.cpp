// SPDX-License-Identifier: MIT
// The log's file, read at the start and written whole after every change.
#include "window/lesson_log.h"

#include "flight/log_file.h"
#include "window/saving.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace purzo {

QString LessonLog::DefaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/flugprotokoll.txt");
}

QString LessonLog::keepIn(const QString& file) {
    file_ = file;
    QFile in(file);
    if (!in.exists()) {
        return {};
    }
    QString message;
    if (!in.open(QIODevice::ReadOnly)) {
        message = tr("Das Flugprotokoll %1 kann nicht gelesen werden: %2")
                      .arg(QDir::toNativeSeparators(file), in.errorString());
        file_.clear(); // never overwrite what could not be read
    } else {
        const QByteArray bytes = in.readAll();
        in.close();
        std::string error;
        if (auto read = ReadLogFile(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                    error)) {
            log_ = std::move(*read);
            emit changed();
            return {};
        }
        const QString aside =
            file + QStringLiteral(".defekt-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (QFile::rename(file, aside)) {
            message = tr("Das Flugprotokoll war beschädigt (%1). Es wurde als %2 beiseitegelegt; "
                         "die Stunde beginnt mit einem leeren Protokoll.")
                          .arg(QString::fromStdString(error), QDir::toNativeSeparators(aside));
        } else {
            message = tr("Das Flugprotokoll %1 ist beschädigt (%2) und kann nicht beiseitegelegt "
                         "werden; diese Stunde wird nicht gespeichert.")
                          .arg(QDir::toNativeSeparators(file), QString::fromStdString(error));
            file_.clear();
        }
    }
    emit problem(message);
    return message;
}

int LessonLog::logFlight(const FlightRecord& record) {
    const int number = log_.add(
        record, log_.group,
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString());
    save();
    emit changed();
    return number;
}

bool LessonLog::setShown(int number, bool shown) {
    if (!log_.setShown(number, shown)) {
        return false;
    }
    save();
    emit changed();
    return true;
}

void LessonLog::remove(int number) {
    if (log_.remove(number)) {
        save();
        emit changed();
    }
}

void LessonLog::clear() {
    log_.clear();
    save();
    emit changed();
}

void LessonLog::setGroup(const QString& group) {
    if (group.toStdString() == log_.group) {
        return;
    }
    log_.group = group.toStdString();
    save();
    emit changed();
}

void LessonLog::save() {
    if (file_.isEmpty()) {
        return;
    }
    QDir().mkpath(QFileInfo(file_).absolutePath());
    const std::string text = LogFileText(log_);
    const auto error = SaveAtomically(file_, [&text](QIODevice& out) {
        return out.write(text.data(), qint64(text.size())) == qint64(text.size());
    });
    if (error && !failing_) {
        emit problem(tr("Das Flugprotokoll kann nicht gespeichert werden (%1). Die Flüge bleiben "
                        "bis zum Ende des Programms erhalten.")
                         .arg(*error));
    }
    failing_ = error.has_value();
}

} // namespace purzo
