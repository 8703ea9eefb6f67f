// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the application icon and the settings files' icon into an icon theme folder, one PNG
// per size: THEME/<n>x<n>/apps/<id>.png and THEME/<n>x<n>/mimetypes/<type icon>.png; with a
// second argument also a Windows .ico file holding every size, for the program's resources.
#include "ui/app_icon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>
#include <cstdio>
#include <tuple>

namespace {

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An .ico is a directory of images; since Windows Vista each may be a whole PNG file. Qt's own
// writer stores a single image, and Explorer wants every size to pick from.
QByteArray Ico(const QList<int>& sizes) {
    QList<QByteArray> images;
    for (int size : sizes)
        images.append(Png(psn::DrawAppIcon(size)));
    QByteArray out;
    const auto put16 = [&out](quint16 v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    const auto put32 = [&out](quint32 v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    put16(qToLittleEndian<quint16>(0));
    put16(qToLittleEndian<quint16>(1)); // an icon, not a cursor
    put16(qToLittleEndian<quint16>(images.size()));
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
        // 256 is stored as 0: the field is one byte.
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(qToLittleEndian<quint16>(1));  // planes
        put16(qToLittleEndian<quint16>(32)); // bits per pixel
        put32(qToLittleEndian<quint32>(images[i].size()));
        put32(qToLittleEndian<quint32>(offset));
        offset += images[i].size();
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: psn_make_icon THEME-FOLDER [ICO-FILE]\n");
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
    if (argc == 3) {
        QFile ico(QString::fromLocal8Bit(argv[2]));
        const QByteArray bytes = Ico(psn::AppIconSizes());
        if (!ico.open(QIODevice::WriteOnly) || ico.write(bytes) != bytes.size() || !ico.flush()) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            return 1;
        }
    }
    return 0;
}
