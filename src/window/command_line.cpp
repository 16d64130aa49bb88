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
        std::string_view option = arg;
        std::string_view value;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            option = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        } else if (arg == "--language" || arg == "--model") {
            if (i + 1 >= argc) {
                line.action = CommandLine::Action::Error;
                line.error = "option '" + std::string(arg) + "' needs a value: " +
                             (arg == "--model" ? "classic or exact" : "de or en");
                return line;
            }
            value = argv[++i];
        }
        if (option == "--language") {
            line.language = ParseLanguage(value);
            if (!line.language) {
                line.action = CommandLine::Action::Error;
                line.error = "--language takes de or en, not '" + std::string(value) + "'";
                return line;
            }
        } else if (option == "--model") {
            const std::optional<Model> model = ParseModel(value);
            if (!model) {
                line.action = CommandLine::Action::Error;
                line.error = "--model takes classic or exact, not '" + std::string(value) + "'";
                return line;
            }
            line.model = *model;
        }
        // Anything else is Qt's, for QApplication.
    }
    return line;
}

std::string VersionText() {
    return "Purzosimulation " PURZO_VERSION "\n";
}

std::string HelpText() {
    return "Usage: purzo [--language de|en] [--model classic|exact] [--version] [--help]\n"
           "             [Qt options]\n"
           "\n"
           "Purzosimulation: a stick figure's somersault for teaching sports biomechanics.\n"
           "\n"
           "  --language de|en  the window's language; without it the window is English when\n"
           "                    the system's first user-interface language is English, German\n"
           "                    otherwise\n"
           "  --model classic|exact\n"
           "                    the model the window opens with, for this start only (else\n"
           "                    the one chosen last in the window, at first classic): the\n"
           "                    classic one as the program was designed, its turn a table of\n"
           "                    increments; the exact one a rigid body that takes off from the\n"
           "                    floor, turns with its angular momentum conserved and lands on\n"
           "                    the floor. The canvas's menu switches between them.\n"
           "  --version         print the version and exit\n"
           "  --help            show this text\n"
           "\n"
           "In the window, F11 switches to full screen and back; Escape leaves full screen.\n";
}

} // namespace purzo
