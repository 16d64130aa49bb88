// SPDX-License-Identifier: MIT
// The log's file: read, merged with this window's unwritten changes and written back, all under
// one lock held for the milliseconds that takes, never between flights.
#include "window/lesson/lesson_log.h"

#include "flight/log_file.h"
#include "window/lesson/saving.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <utility>

namespace purzo {
namespace {

// Another window holds the lock for a write of a few milliseconds; a lock held longer than this
// is a window that hangs, and this one gives up for now and tries again at the next change.
constexpr int kLockWaitMs = 3000;

constexpr int kRetryMs = 5000;

// A name beside `file` that nothing has: "….defekt-20261210-101500-1", counting up.
QString AsideName(const QString& file) {
    const QString stem = file + QStringLiteral(".defekt-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1;; ++n) {
        const QString name = stem + QLatin1Char('-') + QString::number(n);
        if (!QFileInfo(name).exists() && !QFileInfo(name).isSymLink()) {
            return name;
        }
    }
}

} // namespace

LessonLog::LessonLog(QObject* parent) : QObject(parent) {
    retryTimer_.setInterval(kRetryMs);
    connect(&retryTimer_, &QTimer::timeout, this, &LessonLog::retry);
}

void LessonLog::retry() {
    if (!file_.isEmpty() && !unwritten_.empty()) {
        save(true);
    }
}

LessonLog::~LessonLog() {
    // A last try for what a full disk kept back; nobody is left to be told.
    if (!unwritten_.empty()) {
        blockSignals(true);
        save(false);
    }
}

QString LessonLog::DefaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/flugprotokoll.txt");
}

QString LessonLog::keepIn(const QString& file) {
    file_ = file;
    log_ = written_ = FlightLog();
    unwritten_.clear();
    lastProblem_.clear();
    QStringList said;
    const auto connection =
        connect(this, &LessonLog::problem, this, [&said](const QString& m) { said << m; });
    save(false);
    disconnect(connection);
    return said.join(QLatin1Char('\n'));
}

int LessonLog::logFlight(const FlightRecord& record) {
    LogChange change;
    change.flight.group = log_.group;
    change.flight.flownAt =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
    change.flight.summary = SummaryOf(record.params, record.model, record.frames);
    change.flight.record = record;
    make(std::move(change));
    return log_.flights().empty() ? 0 : log_.flights().back().number;
}

bool LessonLog::setShown(int number, bool shown) {
    LogChange change;
    change.kind = shown ? LogChange::Kind::Show : LogChange::Kind::Hide;
    change.number = number;
    const LoggedFlight* flight = log_.find(number);
    return flight && (flight->shown == shown || make(std::move(change)));
}

void LessonLog::remove(int number) {
    LogChange change;
    change.kind = LogChange::Kind::Remove;
    change.number = number;
    make(std::move(change));
}

void LessonLog::clear() {
    LogChange change;
    change.kind = LogChange::Kind::Clear;
    make(std::move(change));
}

void LessonLog::setGroup(const QString& group) {
    LogChange change;
    change.kind = LogChange::Kind::Group;
    change.group = group.toStdString();
    make(std::move(change));
}

void LessonLog::setLesson(const QString& title, const QString& date) {
    LogChange change;
    change.kind = LogChange::Kind::Lesson;
    change.title = title.toStdString();
    change.date = date.toStdString();
    make(std::move(change));
}

void LessonLog::showOnly(const std::vector<int>& numbers) {
    std::vector<LogChange> changes;
    // The hidden first, so that eight new ones find room.
    for (const bool show : {false, true}) {
        for (const LoggedFlight& f : log_.flights()) {
            const bool wanted =
                std::find(numbers.begin(), numbers.end(), f.number) != numbers.end();
            if (wanted == show && f.shown != show) {
                LogChange change;
                change.kind = show ? LogChange::Kind::Show : LogChange::Kind::Hide;
                change.number = f.number;
                changes.push_back(std::move(change));
            }
        }
    }
    makeAll(std::move(changes));
}

MergeReport LessonLog::merge(const FlightLog& other) {
    MergePlan plan = PlanMerge(log_, other);
    std::vector<LogChange> changes;
    for (LoggedFlight& f : plan.toAdd) {
        LogChange change;
        change.flight = std::move(f);
        changes.push_back(std::move(change));
    }
    return {makeAll(std::move(changes)), plan.alreadyThere};
}

int LessonLog::makeAll(std::vector<LogChange> changes) {
    int made = 0;
    for (LogChange& change : changes) {
        made += unwritten_.make(log_, std::move(change)) ? 1 : 0;
    }
    if (made == 0) {
        return 0;
    }
    if (file_.isEmpty()) {
        unwritten_.clear(); // a lesson without a file: memory is all there is
        written_ = log_;
        emit changed();
    } else {
        save(true);
    }
    return made;
}

bool LessonLog::make(LogChange change) {
    std::vector<LogChange> one;
    one.push_back(std::move(change));
    return makeAll(std::move(one)) == 1;
}

void LessonLog::say(const QString& message) {
    if (message != lastProblem_) {
        lastProblem_ = message;
        emit problem(message);
    }
}

void LessonLog::save(bool changedHere) {
    writeOnce(changedHere);
    if (failing_ && !unwritten_.empty()) {
        retryTimer_.start();
    } else {
        retryTimer_.stop();
    }
}

void LessonLog::writeOnce(bool changedHere) {
    const QString shownFile = QDir::toNativeSeparators(file_);
    const auto keepInMemory = [this] {
        failing_ = true;
        log_ = unwritten_.madeOn(written_);
        emit changed();
    };
    QDir().mkpath(QFileInfo(file_).absolutePath()); // where it fails, the read below says why
    QLockFile lock(file_ + QStringLiteral(".lock"));
    // A read-only folder takes no lock file; the log is read all the same, and a write says why
    // it fails.
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        say(tr("Das Flugprotokoll %1 ist von einem anderen Fenster gesperrt. Die Flüge bleiben "
               "erhalten und werden mit dem nächsten gespeichert.")
                .arg(shownFile));
        keepInMemory();
        return;
    }
    const std::string path = QFile::encodeName(file_).toStdString();
    if (lock.isLocked() && !changedHere) {
        RemoveStrayTemporaryFiles(path);
    }
    bool write = changedHere;
    FlightLog base = written_;
    const FileContent disk = ReadWholeFile(path, kMostLogFileBytes);
    std::optional<QString> setAsideBecause;
    if (disk.failure && disk.failure->errorNumber == EFBIG) {
        setAsideBecause = tr("größer als 2 MB");
    } else if (disk.failure &&
               (disk.failure->errorNumber != ENOENT || QFileInfo(file_).isSymLink())) {
        say(tr("Das Flugprotokoll %1 kann nicht gelesen werden (%2). Es bleibt, wie es ist; die "
               "Flüge dieser Stunde bleiben erhalten und werden gespeichert, sobald es wieder "
               "lesbar ist.")
                .arg(shownFile, FileFailureReason(*disk.failure)));
        keepInMemory();
        return;
    } else if (disk.failure) {
        write = write || !written_.flights().empty(); // removed meanwhile: written anew
    } else {
        LogFileReading reading = ReadLogFile(disk.bytes);
        if (reading.problem == LogFileProblem::NotALog) {
            setAsideBecause = tr("keine Datei dieses Programms");
        } else if (reading.problem == LogFileProblem::NewerVersion) {
            setAsideBecause = tr("von einer neueren Version des Programms geschrieben");
        } else if (reading.problem == LogFileProblem::TooLarge) {
            setAsideBecause = tr("größer als 2 MB");
        } else {
            base = std::move(*reading.log);
        }
        if (reading.problem == LogFileProblem::Damaged) {
            const QString aside = AsideName(file_);
            if (const auto failure =
                    SaveWholeFile(QFile::encodeName(aside).toStdString(), disk.bytes)) {
                say(tr("Das Flugprotokoll %1 ist beschädigt und kann nicht beiseitegelegt werden "
                       "(%2). Es bleibt, wie es ist; seine ganzen Zeilen sind geladen, und die "
                       "Flüge dieser Stunde werden nicht hineingeschrieben.")
                        .arg(shownFile, FileFailureReason(*failure)));
                failing_ = true;
                log_ = unwritten_.madeOn(base);
                emit changed();
                return;
            }
            say(tr("Im Flugprotokoll waren %1 Zeilen beschädigt oder fehlten, die erste ist Zeile "
                   "%2. Die übrigen %3 Flüge sind geladen; die Datei, wie sie war, ist als %4 "
                   "beiseitegelegt.")
                    .arg(reading.damagedLines)
                    .arg(reading.firstDamagedLine)
                    .arg(base.flights().size())
                    .arg(QDir::toNativeSeparators(aside)));
            write = true;
        }
    }
    if (setAsideBecause) {
        const QString aside = AsideName(file_);
        if (!QFile::rename(file_, aside)) {
            say(tr("Das Flugprotokoll %1 kann nicht gelesen werden (%2) und nicht beiseitegelegt "
                   "werden. Es bleibt, wie es ist; die Flüge dieser Stunde werden nicht "
                   "hineingeschrieben.")
                    .arg(shownFile, *setAsideBecause));
            keepInMemory();
            return;
        }
        say(tr("Das Flugprotokoll %1 kann nicht gelesen werden (%2). Es ist als %3 "
               "beiseitegelegt; die Flüge dieser Stunde kommen in ein neues Protokoll.")
                .arg(shownFile, *setAsideBecause, QDir::toNativeSeparators(aside)));
        write = write || !written_.flights().empty();
    }
    const FlightLog merged = unwritten_.madeOn(base);
    if (write) {
        if (const auto failure = SaveWholeFile(path, LogFileText(merged))) {
            say(tr("Das Flugprotokoll kann nicht gespeichert werden (%1). Die Flüge bleiben "
                   "erhalten und werden gespeichert, sobald es wieder geht.")
                    .arg(FileFailureText(*failure, file_)));
            failing_ = true;
            written_ = std::move(base);
            log_ = merged;
            emit changed();
            return;
        }
        unwritten_.clear();
        lastProblem_.clear();
        if (std::exchange(failing_, false)) {
            emit recovered(tr("Das Flugprotokoll ist wieder gespeichert, mit allen %1 Flügen.")
                               .arg(merged.flights().size()));
        }
    }
    written_ = merged;
    log_ = merged;
    emit changed();
}

void ShowLogMessage(QWidget* window, QMessageBox::Icon icon, const QString& message) {
    for (QMessageBox* older : window->findChildren<QMessageBox*>(QStringLiteral("logMessage"))) {
        older->close();
    }
    auto* box =
        new QMessageBox(icon, QCoreApplication::translate("purzo::PurzoWindow", "Flugprotokoll"),
                        message, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("logMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace purzo
