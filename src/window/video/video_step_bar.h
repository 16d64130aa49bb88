// SPDX-License-Identifier: MIT
// Stepping through a video: the frame's number and its time in the file, a frame back and on,
// the first and the last, a slider and a box for any frame, and playing at 1, ½ or ¼ speed.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;
class QToolButton;

namespace purzo {

class VideoStepBar : public QWidget {
    Q_OBJECT
public:
    explicit VideoStepBar(QWidget* parent = nullptr);

    // A video of `frameCount` frames; none disables the bar.
    void setFrameCount(int frameCount);
    // Frame `frame` (from 0) on show at `timeS` in the file.
    void showFrame(int frame, double timeS);
    void setPlaying(bool playing);
    // The chosen speed: 1, 0.5 or 0.25.
    double speed() const;
    // The arrow keys, Home and End step wherever the focus is in `window`, except in a box that
    // takes the key itself; the space bar plays where the focus is beside the bar (its parent,
    // with the frame).
    void addKeysTo(QWidget* window);

    QLabel* frameLabel() const { return label_; }
    QSlider* slider() const { return slider_; }
    QSpinBox* frameField() const { return field_; }
    QComboBox* speedField() const { return speed_; }
    QToolButton* playButton() const { return play_; }

    // "Bild 12 von 240 · 0,367 s", frames counted from 1.
    static QString frameText(int frame, int frameCount, double timeS);

signals:
    void frameRequested(int frame);
    void stepRequested(int frames);
    void playToggled();
    void speedChanged(double speed);

private:
    QToolButton* button(const QString& name, int icon, const QString& tip);

    int frameCount_ = 0;
    QLabel* label_;
    QSlider* slider_;
    QSpinBox* field_;
    QComboBox* speed_;
    QToolButton* first_;
    QToolButton* back_;
    QToolButton* play_;
    QToolButton* forward_;
    QToolButton* last_;
};

} // namespace purzo
