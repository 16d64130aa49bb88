// SPDX-License-Identifier: MIT
// A video played at its own pace: each frame shown when its time in the file comes, at full,
// half or quarter speed; frames whose time has passed while the machine was busy are skipped,
// so that the motion keeps its true timing.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace purzo {

class VideoPlayback : public QObject {
    Q_OBJECT
public:
    // Milliseconds from any fixed start; the steady clock unless a test hands in its own.
    using Clock = std::function<qint64()>;

    explicit VideoPlayback(QObject* parent = nullptr);

    void setClock(Clock clock);
    // Every frame's time, as the file holds it; stops a playback on the way.
    void setFrameTimes(std::vector<double> timesS);
    // 1, 0.5 or 0.25: the video's seconds per second of the clock.
    void setSpeed(double speed);
    double speed() const { return speed_; }

    // Plays on from `frame` (the one on show); from the start when it is the last.
    void play(int frame);
    void pause();
    bool playing() const { return playing_; }

    // Shows the frame whose time has come and waits for the next; the timer calls it, a test
    // may call it after moving its clock on.
    void advance();

signals:
    void frameDue(int frame);
    void playingChanged(bool playing);

private:
    // When frame `i` is due on the clock, ms.
    double dueMs(int i) const;
    void scheduleNext();

    Clock clock_;
    std::vector<double> timesS_;
    double speed_ = 1.0;
    bool playing_ = false;
    int shown_ = 0; // the frame last handed on
    int startFrame_ = 0;
    qint64 startMs_ = 0; // the clock when startFrame_ was shown
    QTimer timer_;
};

} // namespace purzo
