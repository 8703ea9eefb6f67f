// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Switching the whole process to a user's locale, the C library's and Qt's alike. The build
// generates the C library's locales with localedef (Debian's "locales" package) into a private
// folder, before any test runs (tests/support/make-locales), and they are found there through
// LOCPATH. Tests never make them: two tests making one folder at once would race.
#pragma once

#include <QLocale>
#include <clocale>
#include <cstdlib>
#include <string>

namespace psn::test {

#ifndef PSN_APP_DIR
#error "PSN_APP_DIR must name the build's application folder"
#endif

// Makes `name` ("de_DE", or "C") the locale of the C library and Qt's default, for the scope.
class ScopedLocale {
public:
    explicit ScopedLocale(const std::string& name) : previous_(std::setlocale(LC_ALL, nullptr)) {
        if (name != "C") {
            const std::string folder = std::string(PSN_APP_DIR) + "/../test-locales";
            const std::string full = name + ".UTF-8";
            setenv("LOCPATH", folder.c_str(), 1);
            ok_ = std::setlocale(LC_ALL, full.c_str()) != nullptr;
            if (!ok_)
                why_ = "the C library could not switch to " + full + ": the build makes it in " +
                       folder + " with localedef; install Debian's locales package " +
                       "(scripts/deps) and build again";
        } else {
            ok_ = std::setlocale(LC_ALL, "C") != nullptr;
        }
        QLocale::setDefault(QLocale(QString::fromStdString(name)));
    }
    ~ScopedLocale() {
        std::setlocale(LC_ALL, previous_.c_str());
        unsetenv("LOCPATH");
        QLocale::setDefault(QLocale::system());
    }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // Whether the C library took the locale (localedef and its sources are installed).
    bool ok() const { return ok_; }
    // Why the locale could not be taken, for the failing test's message.
    const std::string& why() const { return why_; }

private:
    std::string previous_;
    bool ok_ = false;
    std::string why_;
};

// The build's list of locales to make (tests/CMakeLists.txt) names the same ones.
inline const char* const kUserLocales[] = {"de_DE", "fr_FR", "it_IT", "es_ES", "nl_NL", "C"};

} // namespace psn::test
