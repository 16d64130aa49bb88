// SPDX-License-Identifier: MIT
// The playback for the page: its waits on the browser's timers, its time from the page, what it
// tells handed to a JavaScript listener, and the flights it keeps readable by number.
#pragma once

#include "flight/playback.h"

#include <emscripten/val.h>
#include <string>

namespace purzo::web {

class PagePlayer : private Playback::Listener {
public:
    // listener: {schedule(ms), cancelSchedule(), readPosture(), showPosture(p), frameReady(),
    // frameSelected(n), pausedChanged(paused), flightFinished(n), replayFinished(n)}; time:
    // {now()} in ms.
    PagePlayer(emscripten::val listener, emscripten::val time);

    // The take-off as typed (checked again here), the model's name, the pace 0, 1 or 2 and the
    // exact model's athlete {massKg, bodyHeightM, spinDegPerS, limbSpeedRadPerS} (a value outside
    // its range is the standard).
    void startFlight(const std::string& speedText, const std::string& angleText,
                     const std::string& modelName, int pace, int pauseMs,
                     const emscripten::val& athlete);
    // The same with a tuck plan {startFrame, frames, depth} choosing every frame's posture (shown
    // through showPosture, never read), and the group's prediction {verdict, rotationDeg} or
    // null; the record keeps both for the log. An unreadable plan flies as startFlight does.
    void startPlannedFlight(const std::string& speedText, const std::string& angleText,
                            const std::string& modelName, int pace, int pauseMs,
                            const emscripten::val& athlete, const emscripten::val& plan,
                            const emscripten::val& prediction);
    bool replayLastFlight(int pauseMs) { return playback_.replayLastFlight(pauseMs); }
    // Plays a kept flight again in its own model.
    bool replay(const FlightRecord& record, int pauseMs);
    // The last flight that landed, for the log; nothing before one.
    const std::optional<FlightRecord>& lastRecord() const { return playback_.lastFlight(); }
    void stop() { playback_.stop(); }
    void runDueFrame() { playback_.runDueFrame(); }
    void togglePause() { playback_.togglePause(); }
    bool paused() const { return playback_.paused(); }
    bool canStep() const { return playback_.canStep(); }
    bool step(int delta) { return playback_.step(delta); }
    bool stepToEnd(bool newest) { return playback_.stepToEnd(newest); }
    int shownCount() const { return int(playback_.shownCount()); }
    bool flightRunning() const { return playback_.flightRunning(); }
    bool replayRunning() const { return playback_.replayRunning(); }

    // The flights by number, counted from 1 in the order started: the running one, the last and
    // the one before it; 0 where there is none.
    int runningNumber() const { return playback_.runningFlight() ? running_ : 0; }
    int lastNumber() const { return last_; }
    int previousNumber() const { return previous_; }
    // The flight replayed from the log while it is on show; 0 otherwise.
    int replayedNumber() const { return playback_.replayedFlight() ? replayed_ : 0; }

    // Of the flight with this number (null, 0 or "" when it is not kept).
    int frameCount(int number) const;
    emscripten::val frame(int number, int index) const;
    emscripten::val panelLines(int number, int index, const std::string& decimalPoint) const;
    emscripten::val verdict(int number, const std::string& decimalPoint) const;
    // What a screen reader is told of frame `index`: the frame, and after a landing its verdict.
    emscripten::val description(int number, int index, const std::string& decimalPoint) const;
    emscripten::val centrePath(int number) const;
    std::string csv(int number) const;
    emscripten::val sheet(int number, const std::string& language) const;
    std::string modelName(int number) const;
    std::string speedText(int number) const;
    std::string angleText(int number) const;
    int pace(int number) const; // 0, 1 or 2; 0 when the flight is not kept
    // {massKg, bodyHeightM, spinDegPerS, limbSpeedRadPerS}; the standard when the flight is not
    // kept.
    emscripten::val athlete(int number) const;
    // The worksheet picture's second caption line in parts: the tuck and the verdict.
    emscripten::val captionTexts(int number, const std::string& decimalPoint) const;

private:
    const FlightRecord* record(int number) const;
    static FlightRecord takeoffRecord(const std::string& speedText, const std::string& angleText,
                                      const std::string& modelName, int pace,
                                      const emscripten::val& athlete);
    void start(FlightRecord record, int pauseMs);

    void schedule(int waitMs) override;
    void cancelSchedule() override;
    int readPosture() override;
    void frameReady(const FrameResult& frame) override;
    void frameSelected(std::size_t shownCount) override;
    void pausedChanged(bool paused) override;
    void flightFinished(int frames) override;
    void replayFinished(int frames) override;

    emscripten::val listener_;
    Playback playback_;
    int started_ = 0;
    int running_ = 0;
    int last_ = 0;
    int previous_ = 0;
    int replayed_ = 0;
};

} // namespace purzo::web
