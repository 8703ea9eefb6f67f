// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace psn {
namespace {

// Where the build embeds the compiled translations.
const QString kOurs = QStringLiteral(":/i18n/psniaed_%1.qm");

// "de" of "de-AT", "de_AT.UTF-8" or "de".
QString LanguageCode(const QString& uiLanguage) {
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

std::unique_ptr<QTranslator> Load(const QString& file, const QString& folder = {}) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

QStringList TranslatedLanguages() {
    QStringList codes;
    for (const char* code : {"de", "fr", "it", "es", "nl"})
        if (QFile::exists(kOurs.arg(code)))
            codes << code;
    return codes;
}

QString ChooseLanguage(const QStringList& uiLanguages) {
    const QStringList translated = TranslatedLanguages();
    for (const QString& uiLanguage : uiLanguages) {
        const QString code = LanguageCode(uiLanguage);
        // A desktop that prefers English before any language we speak gets English, not the
        // second choice.
        if (code == QLatin1String("en") || code == QLatin1String("c"))
            return QStringLiteral("en");
        if (translated.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

Language::Language(const QString& code) : code_(code) {
    if (code == QLatin1String("en"))
        return;
    ours_ = Load(kOurs.arg(code));
    if (ours_)
        qt_ = Load(QStringLiteral("qtbase_") + code,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    else
        code_ = QStringLiteral("en");
}

Language::~Language() = default; // each translator leaves the application as it is destroyed

} // namespace psn
