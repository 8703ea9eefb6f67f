#include "shell/pictures.h"

#include "graphics/dib256.h"

#include <QFile>
#include <QImage>
#include <cstring>

namespace psn {

QPixmap LoadPicture(const AppState& state, const char* relativePath) {
    const std::string path = state.StartPath(relativePath);
    // The shipped pictures are 256-colour bitmaps, which the editor's own reader decodes without
    // Qt's image plugins (a noticeable part of the start-up).
    try {
        TDIB256 dib;
        dib.LoadFromFile(path);
        QImage image(dib.Width(), dib.Height(), QImage::Format_Indexed8);
        QList<QRgb> colours(256);
        for (int i = 0; i < 256; ++i) {
            const std::uint8_t* e = dib.ColorTable() + 4 * i;
            colours[i] = qRgb(e[2], e[1], e[0]);
        }
        image.setColorTable(colours);
        for (int y = 0; y < dib.Height(); ++y)
            std::memcpy(image.scanLine(y), dib.Bits() + static_cast<std::size_t>(y) * dib.Stride(),
                        dib.Width());
        return QPixmap::fromImage(image);
    } catch (const GraphicError&) {
        // Any other picture a user put in its place.
    }
    QImage image;
    if (!image.load(QFile::decodeName(path.c_str()), "BMP"))
        return {};
    return QPixmap::fromImage(image);
}

} // namespace psn
