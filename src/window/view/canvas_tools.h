// SPDX-License-Identifier: MIT
// Which lesson tools the canvas draws; the canvas's menu switches them.
#pragma once

namespace purzo {

struct CanvasTools {
    bool path = false;       // the centre of mass's path with a marker per frame
    bool sequence = false;   // every earlier frame, faintly
    bool data = false;       // the frame's numbers in the top-left corner
    bool previous = false;   // the flight before, in a second colour
    bool wholeView = false;  // one fixed view that holds every flight
    bool compare = false;    // the shown flights at the current flight's moment, one data table
    bool sideBySide = false; // in a comparison, each flight in its own small canvas
};

} // namespace purzo
