// SPDX-License-Identifier: MIT
// Numbers in the video window as in the rest of the window: a decimal comma in German, a point
// in English, whatever the user's locale.
#pragma once

#include "flight/number_text.h"
#include "window/translations.h"

#include <QString>

namespace purzo {

inline QString VideoNumber(double value, int decimals) {
    const char point = CurrentLanguage() == Language::English ? '.' : ',';
    return QString::fromStdString(FixedText(value, decimals, point));
}

} // namespace purzo
