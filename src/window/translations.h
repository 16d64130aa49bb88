// SPDX-License-Identifier: MIT
// The window's language: German, as it was written, or English; the English window is used when
// the first of the system's user-interface languages is English, or when asked for. Qt's own
// texts (the text boxes' context menu, dialogs) follow the window's language.
#pragma once

#include "flight/text_language.h"

#include <QStringList>
#include <optional>
#include <string_view>

class QCoreApplication;

namespace purzo {

enum class Language { German, English };

// English when the first entry is English ("en", "en-GB", ...); German for anything else,
// the C locale included.
Language LanguageForUiLanguages(const QStringList& uiLanguages);
// "de" or "en", as --language takes them.
std::optional<Language> ParseLanguage(std::string_view code);

// Installs the window's and Qt's translations for `language` and remembers it; returns false
// when Qt's own translation files are not installed.
bool InstallTranslations(QCoreApplication& app, Language language = Language::German);
// The language installed last; German before any.
Language CurrentLanguage();
// The same as the model's texts take it.
TextLanguage CurrentTextLanguage();

} // namespace purzo
