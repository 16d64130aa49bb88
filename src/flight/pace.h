// SPDX-License-Identifier: MIT
// The three playback paces of the option buttons and the pause each puts before a frame; a
// flight's record keeps the pace it ran at.
#pragma once

namespace purzo {

enum class Pace { RealTime, SlowMotion, ExtremeSlowMotion }; // Echtzeit, Zeitlupe, Extrem-Zeitlupe

// 59 ms is about 1/17 s, so "Echtzeit" plays the flight at about real time; the slow paces play
// it at a half and a quarter.
constexpr int FrameDelayMs(Pace pace) {
    switch (pace) {
    case Pace::RealTime:
        return 59;
    case Pace::SlowMotion:
        return 118;
    case Pace::ExtremeSlowMotion:
        return 235;
    }
    return 59;
}

} // namespace purzo
