// SPDX-License-Identifier: MIT
// A video file opened for the window with its first frame decoded, or a message, naming the
// file, that says what to do: film with the camera's most compatible setting, or convert it.
#pragma once

#include "video/video_file.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace purzo {

struct OpenedVideo {
    std::unique_ptr<VideoFile> file;
    RgbImage first;
};

class VideoOpening {
    Q_DECLARE_TR_FUNCTIONS(purzo::VideoOpening)
public:
    // The file with its first frame; nothing, after a message over `parent`, when it is no
    // video this machine reads (no video at all, cut off, a codec it cannot decode).
    // The file dialog for videos, in the folder of the one opened last, over `parent` without
    // waiting for it; `chosen` takes the file picked.
    static void choose(QWidget* parent, const QString& lastPath,
                       std::function<void(const QString&)> chosen);
    static std::optional<OpenedVideo> open(const QString& path, QWidget* parent);
    // "sprung.mp4 · 1920 × 1080 Pixel · 120 Bilder in 3,97 s, im Mittel 30,0 Bilder/s"
    static QString describe(const VideoFile& file, const QString& fileName);
    // A frame the file broke off before.
    static QString unreadableFrame(int frame, const QString& fileName);
};

} // namespace purzo
