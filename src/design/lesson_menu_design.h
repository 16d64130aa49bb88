// SPDX-License-Identifier: MIT
// The canvas's menu as both front ends show it: its entries in their order, their texts with the
// accelerator letter after "&" (unique within each language), the key shown beside an entry, and
// when each may be chosen. What an entry does stays with each front end.
#pragma once

#include <span>

namespace purzo {

enum class MenuEntryKind { Tool, Action, Model, Separator };

// When an entry may be chosen.
enum class MenuEnabled {
    Always,
    FlightEnded, // a flight has run to its end: its saves, and the flight before it
    CanReplay,   // there is a flight to replay: the last flown, or after a restart the log's newest
    CanPause,    // a flight or replay is on the way
    CanStep,     // a paused or finished flight to step through
};

struct MenuEntryDesign {
    MenuEntryKind kind = MenuEntryKind::Separator;
    const char* name = "";     // the entry's name in both front ends: "pathAction"
    const char* text = "";     // German, translated in the context "purzo::LessonMenu"
    const char* target = "";   // a tool's key ("path"), a model's name ("exact"), or empty
    const char* shortcut = ""; // the key shown beside it, translated too; empty for none
    // The page's own key where a browser keeps the window's for itself; empty: the same.
    const char* pageShortcut = "";
    MenuEnabled enabled = MenuEnabled::Always;
};

std::span<const MenuEntryDesign> LessonMenuEntries();

} // namespace purzo
