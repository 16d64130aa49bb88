// SPDX-License-Identifier: MIT
// What the window remembers from one start to the next: the lesson tools that are on, the model,
// the athlete and the pace, in an INI file in the user's configuration folder.
#pragma once

#include "body/athlete.h"
#include "flight/model.h"
#include "flight/pace.h"
#include "window/view/canvas_tools.h"

#include <QString>

class QButtonGroup;

namespace purzo {

struct RememberedChoices {
    CanvasTools tools; // all off in a fresh configuration
    Model model = Model::Classic;
    Pace pace = Pace::RealTime;
    Athlete athlete; // a value outside its range, as an edited file may hold, is the standard
};

// ~/.config/Purzosimulation/purzo.conf (or where XDG_CONFIG_HOME points).
QString DefaultChoicesFile();

// What `file` holds; a missing file or unknown values give the fresh choices.
RememberedChoices LoadChoices(const QString& file);
void SaveChoices(const QString& file, const RememberedChoices& choices);

class LessonMenu;
// Puts the choices in `file` into the menu and the pace options and writes them back whenever
// the user changes one. A model chosen by other means (purzo --model) is not written: only a
// choice in the menu replaces the remembered model.
void KeepChoices(const QString& file, LessonMenu* menu, QButtonGroup* paceOptions);

} // namespace purzo
