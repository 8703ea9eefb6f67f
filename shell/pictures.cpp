#include "shell/pictures.h"

#include <QFile>
#include <QImage>

namespace psn {

QPixmap LoadPicture(const AppState& state, const char* relativePath) {
    QImage image;
    if (!image.load(QFile::decodeName(state.StartPath(relativePath).c_str()), "BMP"))
        return {};
    return QPixmap::fromImage(image);
}

} // namespace psn
