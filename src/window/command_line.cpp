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
        std::string_view value;
        if (arg == "--language") {
            if (i + 1 >= argc) {
                line.action = CommandLine::Action::Error;
                line.error = "option '--language' needs a value: de or en";
                return line;
            }
            value = argv[++i];
        } else if (arg.starts_with("--language=")) {
            value = arg.substr(std::string_view("--language=").size());
        } else {
            continue; // Qt's options, for QApplication
        }
        line.language = ParseLanguage(value);
        if (!line.language) {
            line.action = CommandLine::Action::Error;
            line.error = "--language takes de or en, not '" + std::string(value) + "'";
            return line;
        }
    }
    return line;
}

std::string VersionText() {
    return std::string("Purzosimulation ") + PURZO_VERSION + "\n";
}

std::string HelpText() {
    return "Usage: purzo [--language de|en] [--version] [--help] [Qt options]\n"
           "\n"
           "Purzosimulation: a stick figure's somersault for teaching sports biomechanics.\n"
           "\n"
           "  --language de|en  the window's language; without it the window is English when\n"
           "                    the system's first user-interface language is English, German\n"
           "                    otherwise\n"
           "  --version         print the version and exit\n"
           "  --help            show this text\n"
           "\n"
           "In the window, F11 switches to full screen and back; Escape leaves full screen.\n";
}

} // namespace purzo
