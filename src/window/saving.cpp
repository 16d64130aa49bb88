// SPDX-License-Identifier: MIT
// QSaveFile does the atomic part: it writes a temporary file and renames it over the target.
#include "window/saving.h"

#include <QDir>
#include <QFileInfo>
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

QString WithSuffix(const QString& path, const QString& extension) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + QLatin1Char('.') + extension;
}

QString SuggestedFileName(const QString& speedText, const QString& angleText,
                          const QString& extension) {
    auto clean = [](QString text) {
        text = text.trimmed();
        QString kept;
        for (const QChar c : text) {
            if (c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('.') ||
                c == QLatin1Char('-') || c == QLatin1Char('+')) {
                kept += c;
            }
        }
        return kept.left(20);
    };
    return QStringLiteral("flug-%1ms-%2grad.%3").arg(clean(speedText), clean(angleText), extension);
}

} // namespace purzo
