// SPDX-License-Identifier: MIT
// The playback on Qt's event loop: a single-shot timer waits as the playback asks, and what it
// tells is passed on as signals. Whoever shows the frames listens to frameReady and frameSelected.
#pragma once

#include "flight/flight_record.h"
#include "flight/frame_clock.h"
#include "flight/frame_step.h"
#include "flight/playback.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace purzo {

class FlightPlayer : public QObject {
    Q_OBJECT
public:
    explicit FlightPlayer(QObject* parent = nullptr);

    // Asked just before each frame of a flight for the posture to read.
    void setPostureSource(std::function<int()> source) { postureSource_ = std::move(source); }
    void setTimeSource(FrameClock::TimeSource now) { playback_.setTimeSource(std::move(now)); }
    // The wait before the next frame as the timer was last set, ms; -1 when none is due.
    int nextFrameWaitMs() const { return timer_.isActive() ? timer_.interval() : -1; }

    void startFlight(FlightRecord record, int pauseMs) {
        playback_.startFlight(std::move(record), pauseMs);
    }
    bool replayLastFlight(int pauseMs) { return playback_.replayLastFlight(pauseMs); }
    bool replay(FlightRecord record, int pauseMs) {
        return playback_.replay(std::move(record), pauseMs);
    }
    void stop() { playback_.stop(); }

    void togglePause() { playback_.togglePause(); }
    bool paused() const { return playback_.paused(); }
    bool canStep() const { return playback_.canStep(); }
    bool step(int delta) { return playback_.step(delta); }
    bool stepToEnd(bool newest) { return playback_.stepToEnd(newest); }
    const std::vector<FrameResult>& recordedFrames() const { return playback_.recordedFrames(); }
    std::size_t shownCount() const { return playback_.shownCount(); }

    bool flightRunning() const { return playback_.flightRunning(); }
    bool replayRunning() const { return playback_.replayRunning(); }
    const std::optional<FrameResult>& currentFrame() const { return playback_.currentFrame(); }
    const std::optional<FlightRecord>& lastFlight() const { return playback_.lastFlight(); }
    const std::optional<FlightRecord>& previousFlight() const { return playback_.previousFlight(); }
    const std::optional<FlightRecord>& replayedFlight() const { return playback_.replayedFlight(); }
    const std::optional<FlightRecord>& runningFlight() const { return playback_.runningFlight(); }

signals:
    void frameReady(const FrameResult& frame);
    // Stepping, or a resume, chose another of the recorded frames to show.
    void frameSelected(std::size_t shownCount);
    void pausedChanged(bool paused);
    void flightFinished(int frames);
    void replayFinished(int frames);

private:
    // Hands the playback's calls on: the timer, the posture source and the signals.
    class Relay : public Playback::Listener {
    public:
        explicit Relay(FlightPlayer& player) : player_(player) {}
        void schedule(int waitMs) override { player_.timer_.start(waitMs); }
        void cancelSchedule() override { player_.timer_.stop(); }
        int readPosture() override;
        void frameReady(const FrameResult& frame) override { emit player_.frameReady(frame); }
        void frameSelected(std::size_t count) override { emit player_.frameSelected(count); }
        void pausedChanged(bool paused) override { emit player_.pausedChanged(paused); }
        void flightFinished(int frames) override { emit player_.flightFinished(frames); }
        void replayFinished(int frames) override { emit player_.replayFinished(frames); }

    private:
        FlightPlayer& player_;
    };

    std::function<int()> postureSource_;
    QTimer timer_;
    Relay relay_{*this};
    Playback playback_{relay_};
};

} // namespace purzo
