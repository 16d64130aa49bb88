// SPDX-License-Identifier: MIT
// Purzosimulation: one window, no arguments, no files.
#include "window/purzo_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Purzosimulation"));
    purzo::PurzoWindow window;
    window.showAtBestSize();
    return QApplication::exec();
}
