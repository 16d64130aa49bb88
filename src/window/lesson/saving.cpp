// SPDX-License-Identifier: MIT
// The bytes are made in memory first, so that a writer that fails half-way (a picture that
// cannot be encoded) leaves nothing behind; the model's save path checks every write.
#include "window/lesson/saving.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace purzo {

QString FileFailureReason(const FileFailure& failure) {
    QString reason;
    switch (failure.errorNumber) {
    case ENOSPC:
        reason = QCoreApplication::translate("purzo::LessonTools", "Kein freier Speicherplatz");
        break;
    case EDQUOT:
        reason = QCoreApplication::translate("purzo::LessonTools",
                                             "Der eigene Speicherplatz ist aufgebraucht");
        break;
    case EROFS:
        reason =
            QCoreApplication::translate("purzo::LessonTools", "Das Laufwerk ist schreibgeschützt");
        break;
    case EACCES:
    case EPERM:
        reason = QCoreApplication::translate("purzo::LessonTools", "Keine Berechtigung");
        break;
    case ENOENT:
        reason =
            QCoreApplication::translate("purzo::LessonTools", "Die Datei oder ihr Ordner fehlt");
        break;
    case ENOTDIR:
        reason = QCoreApplication::translate("purzo::LessonTools",
                                             "Ein Teil des Pfades ist kein Ordner");
        break;
    case EISDIR:
        reason =
            QCoreApplication::translate("purzo::LessonTools", "Dort liegt ein Ordner, keine Datei");
        break;
    case ENODEV:
        reason =
            QCoreApplication::translate("purzo::LessonTools", "Dort liegt keine gewöhnliche Datei");
        break;
    case EFBIG:
        reason = QCoreApplication::translate("purzo::LessonTools", "Die Datei ist zu groß");
        break;
    case EIO:
        reason =
            QCoreApplication::translate("purzo::LessonTools", "Das Laufwerk meldet einen Fehler");
        break;
    default:
        reason = QString::fromLocal8Bit(std::strerror(failure.errorNumber));
    }
    return reason;
}

QString FileFailureText(const FileFailure& failure, const QString& path) {
    return QStringLiteral("%1: %2").arg(FileFailureReason(failure), QDir::toNativeSeparators(path));
}

std::optional<QString> SaveAtomically(const QString& path,
                                      const std::function<bool(QIODevice&)>& write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) {
        return QCoreApplication::translate("purzo::LessonTools",
                                           "Der Inhalt konnte nicht erzeugt werden");
    }
    if (const auto failure =
            SaveWholeFile(QFile::encodeName(path).toStdString(),
                          std::string_view(bytes.constData(), std::size_t(bytes.size())))) {
        return FileFailureReason(*failure);
    }
    return std::nullopt;
}

QString SaveFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) {
        return documents;
    }
    return QDir::homePath();
}

std::optional<QString> SavePngAtomically(const QString& path, const QImage& picture) {
    return SaveAtomically(path, [&picture](QIODevice& file) {
        QImageWriter writer(&file, "png");
        return writer.write(picture);
    });
}

QString ShowSaveFailure(QWidget* parent, const QString& path, const QString& reason) {
    const QString message = QCoreApplication::translate("purzo::LessonTools",
                                                        "„%1“ konnte nicht gespeichert werden:\n%2")
                                .arg(QDir::toNativeSeparators(path), reason);
    auto* box = new QMessageBox(QMessageBox::Warning, parent->window()->windowTitle(), message,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("saveFailedMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return message;
}

QString WithSuffix(const QString& path, const QString& extension) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + QLatin1Char('.') + extension;
}

} // namespace purzo
