// SPDX-License-Identifier: MIT
// Writing a file all at once: either the whole new content is in place, or the file that was
// there stays as it was; and what to tell the class when a save fails.
#pragma once

#include "flight/whole_file.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;
class QImage;
class QWidget;

namespace purzo {

// Why a save or a read failed, in the window's language: "Kein freier Speicherplatz".
QString FileFailureReason(const FileFailure& failure);
// The same and where, in the window's language: "Kein freier
// Speicherplatz: /home/…/flug.csv".
QString FileFailureText(const FileFailure& failure, const QString& path);

// Writes what `write` puts into a buffer to `path` whole or not at all; returns the reason when
// that fails, without the path.
std::optional<QString> SaveAtomically(const QString& path,
                                      const std::function<bool(QIODevice&)>& write);

// A PNG written as SaveAtomically writes; the reason when that fails.
std::optional<QString> SavePngAtomically(const QString& path, const QImage& picture);

// Tells the user in a window-modal message over `parent` that `path` could not be saved and
// why; returns the message.
QString ShowSaveFailure(QWidget* parent, const QString& path, const QString& reason);

// The folder the save dialogs start in: the user's documents, or home where there is none.
QString SaveFolder();

// A name typed without a suffix gets `extension`; one with a suffix stays as it is.
QString WithSuffix(const QString& path, const QString& extension);

} // namespace purzo
