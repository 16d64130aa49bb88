// SPDX-License-Identifier: MIT
// Qt's own texts (the text boxes' context menu, dialogs) in the window's language.
#pragma once

class QCoreApplication;

namespace purzo {

// The window is German, so Qt's German translations are installed whatever the system locale.
// Returns false when Qt's translation files are not installed.
bool InstallTranslations(QCoreApplication& app);

} // namespace purzo
