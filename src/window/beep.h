// SPDX-License-Identifier: MIT
// The warning's beep: the sound theme's window-system bell through libcanberra, which sounds on
// Wayland and on X servers without a bell, with Qt's beep where no sound system answers.
#pragma once

namespace purzo {

// Set to any value, this environment variable keeps the program silent (the tests set it).
inline constexpr const char* kSilentEnvironmentVariable = "PURZO_SILENT";

void SoundWarningBeep();

} // namespace purzo
