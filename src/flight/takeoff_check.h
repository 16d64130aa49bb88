// SPDX-License-Identifier: MIT
// The check of the two take-off texts made when a flight starts.
#pragma once

#include <string>
#include <string_view>

namespace purzo {

struct TakeoffCheck {
    double takeoffSpeed = 0;  // m/s, what the flight uses
    double takeoffAngle = 0;  // degrees
    bool beep = false;        // the speed was the culprit
    bool showWarning = false; // either value was replaced
    // The texts the boxes hold after the check: unchanged when accepted, else "5" and "50".
    std::string speedText;
    std::string angleText;
};

// Speed outside 4..8 m/s (or not a number) beeps and resets both texts; an angle outside
// 30..80 degrees (or not a number) resets both without a beep. Both texts always reset together.
TakeoffCheck CheckTakeoff(std::string_view speedText, std::string_view angleText);

} // namespace purzo
