// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Switching the whole process to a user's locale, the C library's and Qt's alike. The C library's
// locales are generated with localedef (Debian's "locales" package) into a private folder of the
// build, once, and found there through LOCPATH.
#pragma once

#include <QLocale>
#include <clocale>
#include <cstdlib>
#include <filesystem>
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
            if (!std::filesystem::exists(folder + "/" + full)) {
                std::filesystem::create_directories(folder);
                const std::string command = "localedef -c -i " + name + " -f UTF-8 '" + folder +
                                            "/" + full + "' >/dev/null 2>&1";
                (void)std::system(command.c_str());
            }
            setenv("LOCPATH", folder.c_str(), 1);
            ok_ = std::setlocale(LC_ALL, full.c_str()) != nullptr;
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

private:
    std::string previous_;
    bool ok_ = false;
};

inline const char* const kUserLocales[] = {"de_DE", "fr_FR", "it_IT", "es_ES", "nl_NL", "C"};

} // namespace psn::test
