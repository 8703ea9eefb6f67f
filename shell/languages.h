// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The language of the windows: the first of the desktop's languages that the editor speaks.
// English is the language of the source; in English no translation is loaded at all.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

namespace psn {

// The languages the editor is translated into, besides English, as language codes.
QStringList TranslatedLanguages();

// The language code the editor speaks for a desktop that prefers `uiLanguages` in this order
// (QLocale::uiLanguages(), which follows LANGUAGE, LC_MESSAGES and LANG): the first that is
// English or translated; "en" when none is.
QString ChooseLanguage(const QStringList& uiLanguages);

// The editor's own translation and Qt's (its standard buttons and dialogs) for one language,
// installed into the application while this lives. Qt's is optional: without it Qt's texts stay
// English.
class Language {
public:
    explicit Language(const QString& code);
    ~Language();
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    QString code() const { return code_; }
    bool hasQtTranslation() const { return qt_ != nullptr; }

private:
    QString code_;
    std::unique_ptr<QTranslator> ours_;
    std::unique_ptr<QTranslator> qt_;
};

} // namespace psn
