// SPDX-License-Identifier: MIT
// Purzosimulation: one window.
#include "window/command_line.h"
#include "window/controls/look.h"
#include "window/lesson/lesson_log.h"
#include "window/purzo_window.h"
#include "window/remembered_choices.h"
#include "window/translations.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>

int main(int argc, char** argv) {
    const purzo::CommandLine line = purzo::ParseCommandLine(argc, argv);
    switch (line.action) {
    case purzo::CommandLine::Action::PrintVersion:
        std::fputs(purzo::VersionText().c_str(), stdout);
        return 0;
    case purzo::CommandLine::Action::PrintHelp:
        std::fputs(purzo::HelpText().c_str(), stdout);
        return 0;
    case purzo::CommandLine::Action::Error:
        std::fprintf(stderr, "purzo: %s\nTry 'purzo --help'.\n", line.error.c_str());
        return 2;
    case purzo::CommandLine::Action::Run:
        break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Purzosimulation"));
    QApplication::setApplicationVersion(QStringLiteral(PURZO_VERSION));
    // Docks match the window to its menu entry by this name (Wayland's app id, X's WM_CLASS).
    QGuiApplication::setDesktopFileName(QStringLiteral("de.purzosimulation.purzo"));
    purzo::ApplyLook();
    purzo::InstallTranslations(app, line.language.value_or(purzo::LanguageForUiLanguages(
                                        QLocale::system().uiLanguages())));
    purzo::PurzoWindow window;
    window.rememberChoicesIn(purzo::DefaultChoicesFile());
    if (line.model) {
        window.setModel(*line.model); // for this start only
    }
    window.showAtBestSize();
    // After the window shows, so that a log set aside is said over it.
    window.keepLogIn(purzo::LessonLog::DefaultFile());
    return QApplication::exec();
}
