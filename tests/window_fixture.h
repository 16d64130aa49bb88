// SPDX-License-Identifier: MIT
// Helpers for the window tests: finding controls by their names, failing on any Qt warning.
#pragma once

#include "model_fixture.h"
#include "window/controls/look.h"
#include "window/purzo_window.h"
#include "window/translations.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QtGlobal>

namespace purzo::test {

template <typename T> T* Control(const PurzoWindow& window, const char* name) {
    T* control = window.findChild<T*>(QLatin1String(name));
    if (!control) {
        qFatal("control %s not found", name);
    }
    return control;
}

// The offscreen screen is smaller than the window, so it is shown at its full size by hand,
// with the focus where the program puts it.
[[nodiscard]] inline bool ShowWhole(PurzoWindow& window) {
    window.resize(PurzoWindow::kFullClientSize);
    window.show();
    window.findChild<QWidget*>(QStringLiteral("Picture1"))->setFocus();
    return QTest::qWaitForWindowExposed(&window);
}

// Types the take-off into the two text boxes.
inline void SetTexts(PurzoWindow& window, const QString& speed, const QString& angle) {
    Control<QLineEdit>(window, "Text1")->setText(speed);
    Control<QLineEdit>(window, "Text2")->setText(angle);
}

// Presses Start and waits for the flight's landing.
inline void Fly(PurzoWindow& window) {
    QSignalSpy finished(&window, &PurzoWindow::flightFinished);
    QTest::mouseClick(Control<QPushButton>(window, "Start"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 10000));
}

// The program's look and Qt's translations, as main() sets them.
inline void UseProgramLook() {
    ApplyLook();
    InstallTranslations(*QCoreApplication::instance());
}

// A warning from Qt during a window test means something is wrong with the window.
inline void FailOnWarnings() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
                // The offscreen platform's notes about the runtime directory and what it cannot
                // do for menus and dialogs (raise them, grab the keyboard) are not the window's.
                if (message.contains(QLatin1String("XDG_RUNTIME_DIR")) ||
                    message.contains(QLatin1String("This plugin does not support"))) {
                    return;
                }
                QFAIL(qPrintable(QStringLiteral("Qt warning: ") + message));
            }
            if (previous) {
                previous(type, context, message);
            }
        });
}

} // namespace purzo::test
