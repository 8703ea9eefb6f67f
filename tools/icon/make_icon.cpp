// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the application icon and the settings files' icon into an icon theme folder, one PNG
// per size: THEME/<n>x<n>/apps/<id>.png and THEME/<n>x<n>/mimetypes/<type icon>.png.
#include "ui/app_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <tuple>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: psn_make_icon THEME-FOLDER\n");
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    for (int size : psn::AppIconSizes()) {
        const QString apps = QString("%1/%2x%2/apps").arg(theme).arg(size);
        const QString types = QString("%1/%2x%2/mimetypes").arg(theme).arg(size);
        for (const auto& [dir, name, image] :
             {std::tuple{apps, psn::kAppId, psn::DrawAppIcon(size)},
              std::tuple{types, psn::kSettingsFileIcon, psn::DrawSettingsFileIcon(size)}}) {
            const QString file = dir + "/" + name + ".png";
            if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
