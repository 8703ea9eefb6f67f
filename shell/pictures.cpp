#include "shell/pictures.h"

#include "core/bitmap8_format.h"
#include "core/dib256.h"
#include "ui/picture_view.h"

#include <QFile>
#include <QImage>

namespace psn {

QPixmap LoadPicture(const AppState& state, const char* relativePath) {
    const std::string path = state.StartPath(relativePath);
    // The shipped pictures are 256-colour bitmaps, which the editor's own reader decodes without
    // Qt's image plugins (a noticeable part of the start-up).
    try {
        return QPixmap::fromImage(ToImage(LoadBmpFile(path)));
    } catch (const GraphicError&) {
        // Any other picture a user put in its place.
    }
    QImage image;
    if (!image.load(QFile::decodeName(path.c_str()), "BMP"))
        return {};
    return QPixmap::fromImage(image);
}

} // namespace psn
