// SPDX-License-Identifier: MIT
// --version and --help; PURZO_VERSION comes from the project's version in CMake.
#include "window/command_line.h"

#include <string_view>

namespace purzo {

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version" || arg == "-v") {
            line.action = CommandLine::Action::PrintVersion;
            return line;
        }
        if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::PrintHelp;
            return line;
        }
    }
    return line;
}

std::string VersionText() {
    return std::string("Purzosimulation ") + PURZO_VERSION + "\n";
}

std::string HelpText() {
    return "Usage: purzo [--version] [--help] [Qt options]\n"
           "\n"
           "Purzosimulation: a stick figure's somersault for teaching sports biomechanics.\n"
           "\n"
           "  --version  print the version and exit\n"
           "  --help     show this text\n"
           "\n"
           "In the window, F11 switches to full screen and back; Escape leaves full screen.\n";
}

} // namespace purzo
