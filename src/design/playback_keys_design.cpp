// SPDX-License-Identifier: MIT
#include "design/playback_keys_design.h"

#include <array>
#include <cctype>

namespace purzo {
namespace {

using enum PlaybackAction;
using enum KeyModifiers;

constexpr std::array kKeys{
    PlaybackKeyDesign{TogglePause, "togglePause", "Space", " ", None, false},
    PlaybackKeyDesign{StepForward, "stepForward", "PgDown", "PageDown", Any, true},
    PlaybackKeyDesign{StepBack, "stepBack", "PgUp", "PageUp", Any, true},
    PlaybackKeyDesign{ToStart, "toStart", "Home", "Home", Any, true},
    PlaybackKeyDesign{ToEnd, "toEnd", "End", "End", Any, true},
    PlaybackKeyDesign{OpenMenu, "openMenu", "Menu", "ContextMenu", Any, false},
    PlaybackKeyDesign{OpenMenu, "openMenu", "F10", "F10", Shift, false},
    PlaybackKeyDesign{FullScreen, "fullScreen", "F11", "F11", Any, false},
    PlaybackKeyDesign{Present, "present", "F5", "p", None, false},
    PlaybackKeyDesign{LeavePresentation, "leavePresentation", "Esc", "Escape", Any, false},
    PlaybackKeyDesign{StartFlight, "startFlight", "Return", "Enter", Any, false},
    PlaybackKeyDesign{StartFlight, "startFlight", "Enter", "Enter", Any, false},
};

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::span<const PlaybackKeyDesign> PlaybackKeyTable() {
    return kKeys;
}

const PlaybackKeyDesign& PlaybackKeyOf(PlaybackAction action) {
    for (const PlaybackKeyDesign& k : kKeys) {
        if (k.action == action) {
            return k;
        }
    }
    return kKeys.front(); // every action has a key
}

std::optional<PlaybackAction> PlaybackActionFor(std::string_view key, bool shift,
                                                bool otherModifiers, KeyNaming naming) {
    for (const PlaybackKeyDesign& k : kKeys) {
        const std::string_view named = naming == KeyNaming::Window ? k.windowKey : k.pageKey;
        const bool letter = named.size() == 1 && named != " ";
        const bool same = letter ? SameKey(named, key) : named == key;
        // With a letter, Shift only chooses its case.
        if (letter) {
            shift = false;
        }
        const bool held = k.modifiers == Any ||
                          (k.modifiers == None && !shift && !otherModifiers) ||
                          (k.modifiers == Shift && shift && !otherModifiers);
        if (same && held) {
            return k.action;
        }
    }
    return std::nullopt;
}

} // namespace purzo
