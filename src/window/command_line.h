// SPDX-License-Identifier: MIT
// The program's own options, answered before any display is opened, so that they work over SSH
// and in CI. Everything else is left to Qt (-platform, -style, ...).
#pragma once

#include "flight/model.h"
#include "window/translations.h"

#include <optional>
#include <string>

namespace purzo {

struct CommandLine {
    enum class Action { Run, PrintVersion, PrintHelp, Error };
    Action action = Action::Run;
    std::optional<Language> language; // --language de|en
    std::optional<Model> model;       // --model classic|exact; the remembered one without it
    std::string error;                // what was wrong, for Action::Error
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

// "Purzosimulation 1.0.0"
std::string VersionText();
std::string HelpText();

} // namespace purzo
