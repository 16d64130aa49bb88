// SPDX-License-Identifier: MIT
// QSaveFile does the atomic part: it writes a temporary file and renames it over the target.
#include "window/saving.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

namespace purzo {

std::optional<QString> SaveAtomically(const QString& path,
                                      const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (!write(file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
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
