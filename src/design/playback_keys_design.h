// SPDX-License-Identifier: MIT
// The keys that work a flight on the canvas, for both front ends: which key does what, and when.
// Where a browser keeps a key for itself (F5 reloads), the page has its own.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace purzo {

enum class PlaybackAction {
    TogglePause,
    StepForward,
    StepBack,
    ToStart,
    ToEnd,
    OpenMenu,
    FullScreen,
    Present,           // the presentation view, on and off
    LeavePresentation, // also leaves full screen outside the presentation
    StartFlight,       // in the presentation, where no Start button is shown
};

enum class KeyModifiers {
    Any,  // the key acts whatever is held with it
    None, // only the key alone
    Shift,
};

struct PlaybackKeyDesign {
    PlaybackAction action;
    const char* name;      // the action's name in both front ends
    const char* windowKey; // as Qt's QKeySequence reads it
    const char* pageKey;   // a browser's KeyboardEvent.key; letters in either case
    KeyModifiers modifiers;
    bool onlyWhileStepping; // a paused or finished flight: in flight the keys are the posture bar's
};

std::span<const PlaybackKeyDesign> PlaybackKeyTable();
// The first key of an action: the window's shortcut, and whether it waits to step.
const PlaybackKeyDesign& PlaybackKeyOf(PlaybackAction action);

// The action of a key as the window names it ("PgDown") or the page does ("PageDown").
enum class KeyNaming { Window, Page };
std::optional<PlaybackAction> PlaybackActionFor(std::string_view key, bool shift,
                                                bool otherModifiers, KeyNaming naming);

} // namespace purzo
