// SPDX-License-Identifier: MIT
// The window's English catalogue is built into the program; Qt's qtbase catalogues come from the
// system's Qt translations folder.
#include "window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace purzo {
namespace {

Language current = Language::German;

// Replaces the translator installed for `name` before, so that a second call switches cleanly.
bool Install(QCoreApplication& app, const QString& name, const QString& file, const QString& dir) {
    for (QTranslator* old : app.findChildren<QTranslator*>(name, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* translator = new QTranslator(&app);
    translator->setObjectName(name);
    if (!translator->load(file, dir)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

Language LanguageForUiLanguages(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty()) {
        return Language::German;
    }
    const QString first = uiLanguages.first().toLower();
    return first == QLatin1String("en") || first.startsWith(QLatin1String("en-")) ||
                   first.startsWith(QLatin1String("en_"))
               ? Language::English
               : Language::German;
}

std::optional<Language> ParseLanguage(std::string_view code) {
    if (code == "de") {
        return Language::German;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

bool InstallTranslations(QCoreApplication& app, Language language) {
    current = language;
    const bool english = language == Language::English;
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (english) {
        Install(app, QStringLiteral("purzo"), QStringLiteral("purzo_en"), QStringLiteral(":/i18n"));
    } else {
        // German is the source language: no catalogue of the program's own.
        Install(app, QStringLiteral("purzo"), QString(), QString());
    }
    return Install(app, QStringLiteral("qtbase"),
                   english ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_de"), qtDir);
}

Language CurrentLanguage() {
    return current;
}

TextLanguage CurrentTextLanguage() {
    return CurrentLanguage() == Language::English ? TextLanguage::English : TextLanguage::German;
}

} // namespace purzo
