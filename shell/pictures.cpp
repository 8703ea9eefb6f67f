// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/pictures.h"

#include "core/beside.h"
#include "core/bitmap8_format.h"
#include "core/dib256.h"
#include "core/fs.h"
#include "ui/picture_view.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <future>
#include <map>
#include <optional>

namespace psn {
namespace {

using Decoded = std::map<std::string, QImage>;

// The shipped pictures are 256-colour bitmaps, which the editor's own reader decodes without
// Qt's image plugins (a noticeable part of the start-up). They are converted here to the format a
// pixmap keeps, so that the conversion too is done on whichever thread decodes them. Null when
// the file is missing or not such a bitmap.
QImage DecodeShipped(const std::string& path) {
    try {
        QImage image = ToImage(LoadBmpFile(path));
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
    } catch (const GraphicError&) {
        return {};
    }
}

// The start-up's pictures, decoded on a worker thread, and those of them not yet taken. Only the
// thread that runs the windows touches them.
std::future<Decoded> pending;
Decoded prefetched;

std::optional<QImage> TakePrefetched(const std::string& path) {
    if (pending.valid())
        prefetched = pending.get();
    const auto found = prefetched.find(path);
    if (found == prefetched.end())
        return std::nullopt;
    QImage image = std::move(found->second);
    prefetched.erase(found);
    return image;
}

// One shipped picture at its own size.
QPixmap LoadShipped(const std::string& path) {
    std::optional<QImage> decoded = TakePrefetched(path);
    QImage image = decoded ? std::move(*decoded) : DecodeShipped(path);
    if (!image.isNull())
        return QPixmap::fromImage(std::move(image));
    // Any other picture a user put in its place.
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(path, bytes, reason) ||
        !image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP"))
        return {};
    return QPixmap::fromImage(std::move(image));
}

// The labelled pictures are drawn once per language, NAME-de.EXT beside NAME.EXT; the one in the
// language the windows speak is taken where it exists. The translation names the language.
std::string InLanguage(const std::string& path) {
    const QString code = QCoreApplication::translate("psn::Pictures", "en",
                                                     "the language code of the windows' language");
    if (code.isEmpty() || code == QLatin1String("en"))
        return path;
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    const std::size_t end =
        dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path.size() : dot;
    const std::string variant = path.substr(0, end) + "-" + code.toStdString() + path.substr(end);
    return fs::Exists(variant) ? variant : path;
}

} // namespace

void PrefetchPictures(const AppState& state, const std::vector<const char*>& relativePaths) {
    std::vector<std::string> paths;
    for (const char* relative : relativePaths)
        paths.push_back(state.StartPath(relative));
    // Without a thread to spare, each picture is read when it is first shown.
    pending = StartBeside([paths = std::move(paths)] {
        Decoded decoded;
        for (const std::string& path : paths)
            decoded[path] = DecodeShipped(path);
        return decoded;
    });
}

std::string DoubleSizePath(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    const std::size_t end =
        dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path.size() : dot;
    return path.substr(0, end) + "@2x" + path.substr(end);
}

QPixmap LoadPicture(const AppState& state, const char* relativePath) {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return LoadPicture(state, relativePath, app ? app->devicePixelRatio() : 1.0);
}

QPixmap LoadPicture(const AppState& state, const char* relativePath, qreal devicePixelRatio) {
    const std::string path = InLanguage(state.StartPath(relativePath));
    QPixmap picture = LoadShipped(path);
    if (devicePixelRatio <= 1 || picture.isNull())
        return picture;
    QPixmap sharp = LoadShipped(DoubleSizePath(path));
    if (sharp.size() != picture.size() * 2)
        return picture; // missing, unreadable or not its twin
    sharp.setDevicePixelRatio(2);
    return sharp;
}

} // namespace psn
