// SPDX-License-Identifier: MIT
// A flight as the page runs it: started from the checked take-off, advanced a frame at a time
// with the posture the page read, kept whole for the saves. Frames go out as plain objects.
#pragma once

#include "flight/flight_record.h"
#include "flight/frame_step.h"
#include "flight/model.h"

#include <emscripten/val.h>
#include <string>

namespace purzo::web {

// The data panel's lines for a frame: {lines: [{source, args: [{text, source}]}], landingLines}.
emscripten::val PanelLinesValue(const FrameResult& frame, Model model,
                                const std::string& decimalPoint);

class FlightSession {
public:
    // modelName "classic" or "exact"; pace 0, 1, 2 as the option buttons stand.
    FlightSession(std::string speedText, std::string angleText, std::string modelName, int pace);

    // The next frame with this posture (held to 1..7); on an ended flight the last one again.
    emscripten::val next(int posture);
    bool ended() const { return flight_.ended; }
    int frameCount() const { return int(record_.frames.size()); }
    // Frame i (from 0) of the flight so far.
    emscripten::val frame(int index) const;
    // The centre of mass's path over the whole flight, stretched, canvas units: [x0, y0, x1, ...].
    emscripten::val centrePath() const;
    // The data panel's lines for frame i, numbers with this decimal point.
    emscripten::val panelLines(int index, const std::string& decimalPoint) const;
    // The landing's verdict as a panel text, or null before the flight has landed.
    emscripten::val verdict(const std::string& decimalPoint) const;
    // Exactly what purzo-trace prints for these frames.
    std::string csv() const;
    // The spreadsheet's flight sheet: {name, cells: [{row, column, text|number, bold}], columns}.
    emscripten::val sheet(const std::string& language) const;
    std::string modelName() const;

private:
    FlightRecord record_;
    Flight flight_;
};

} // namespace purzo::web
