// SPDX-License-Identifier: MIT
#include "window/video/video_opening.h"

#include "window/video/video_number.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace purzo {

void VideoOpening::choose(QWidget* parent, const QString& lastPath,
                          std::function<void(const QString&)> chosen) {
    QString folder = lastPath.isEmpty()
                         ? QStandardPaths::writableLocation(QStandardPaths::MoviesLocation)
                         : QFileInfo(lastPath).absolutePath();
    // Without its videos folder the dialog would take the folder's name for the file's.
    if (!QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    auto* dialog = new QFileDialog(
        parent, tr("Video öffnen"), folder,
        tr("Videos (*.mp4 *.MP4 *.mov *.MOV *.webm *.mkv *.m4v);;Alle Dateien (*)"));
    dialog->setObjectName(QStringLiteral("videoFileDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent, std::move(chosen));
    dialog->open();
}

std::optional<OpenedVideo> VideoOpening::open(const QString& path, QWidget* parent) {
    OpenedVideo opened{std::make_unique<VideoFile>(), {}};
    VideoError error;
    if (opened.file->open(QFile::encodeName(path).toStdString(), error) &&
        opened.file->readFrame(0, opened.first, error)) {
        return opened;
    }
    // Window-modal without waiting: the window stays as it was behind it.
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Video öffnen"),
        tr("„%1“ lässt sich nicht als Video öffnen: die Datei ist kein Video, sie ist "
           "abgeschnitten, oder ihr Format kann dieser Rechner nicht lesen.")
            .arg(QFileInfo(path).fileName()),
        QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("videoProblem"));
    box->setInformativeText(
        tr("Filmen Sie mit der Einstellung „Maximale Kompatibilität“ der Kamera (H.264 statt "
           "HEVC) oder wandeln Sie das Video in MP4 um, und öffnen Sie es dann noch einmal."));
    if (!error.message.empty()) {
        box->setDetailedText(
            tr("Meldung von FFmpeg: %1").arg(QString::fromStdString(error.message)));
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return std::nullopt;
}

QString VideoOpening::describe(const VideoFile& file, const QString& fileName) {
    return tr("%1 · %2 × %3 Pixel · %4 Bilder in %5 s, im Mittel %6 Bilder/s")
        .arg(fileName)
        .arg(file.width())
        .arg(file.height())
        .arg(file.frameCount())
        .arg(VideoNumber(file.frameTimesS().back(), 2), VideoNumber(file.meanFramesPerSecond(), 1));
}

QString VideoOpening::unreadableFrame(int frame, const QString& fileName) {
    return tr("Bild %1 lässt sich nicht lesen: die Datei „%2“ bricht vorher ab oder ist "
              "beschädigt. Die Bilder davor lassen sich auswerten.")
        .arg(frame + 1)
        .arg(fileName);
}

} // namespace purzo
