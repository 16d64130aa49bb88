// SPDX-License-Identifier: MIT
// "Verfolgen": each joint's marker colour, picked by a click on the marker in the frame, and the
// run that follows the markers from the frame on show to the end, with its progress and a
// button that stops it.
#pragma once

#include "video/body_marks.h"

#include <QColor>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace purzo {

class TrackingPanel : public QWidget {
    Q_OBJECT
public:
    explicit TrackingPanel(QWidget* parent = nullptr);

    // The joint whose colour the next click on the frame picks.
    std::optional<Joint> picking() const;
    // What a click on the frame does.
    QString hint() const;
    void setColour(Joint joint, std::optional<QColor> colour);
    const std::array<std::optional<QColor>, kJointCount>& colours() const { return colours_; }
    bool anyColour() const;

    void setRunning(bool running);
    void setProgress(int done, int total);
    void setMessage(const QString& text);

    QListWidget* joints() const { return joints_; }
    QPushButton* trackButton() const { return track_; }
    QPushButton* cancelButton() const { return cancel_; }
    QProgressBar* progress() const { return progress_; }
    QLabel* message() const { return message_; }

signals:
    void trackRequested();
    void cancelRequested();

private:
    void showColours();

    std::array<std::optional<QColor>, kJointCount> colours_;
    bool running_ = false;
    QListWidget* joints_;
    QPushButton* forget_;
    QPushButton* track_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QLabel* message_;
};

} // namespace purzo
