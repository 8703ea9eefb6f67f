// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes PSN.PAL and the three pictures into the folder given; with a second folder, also PNG
// previews of the pictures as they show through the palette.
#include "game_palette.h"
#include "pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <string>

namespace {

using namespace psn::assets;

bool Write(const std::string& dir, const std::string& name, const IndexedPicture& picture,
           const char* previewDir) {
    const Palette& palette = GamePalette();
    if (!WriteFile(dir + "/" + name,
                   BitmapFileBytes(picture.width, picture.height, picture.pixels, palette)))
        return false;
    if (previewDir) {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                const Rgb c =
                    palette[picture.pixels[static_cast<std::size_t>(y * picture.width + x)]];
                image.setPixel(x, y, qRgb(c.r, c.g, c.b));
            }
        image.save(QString::fromStdString(std::string(previewDir) + "/" + name + ".png"));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: psn_make_assets DATA-FOLDER [PREVIEW-FOLDER]\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const std::string dir = argv[1];
    const char* preview = argc > 2 ? argv[2] : nullptr;
    bool ok = WriteFile(dir + "/PSN.PAL", PaletteFileBytes(GamePalette()));
    ok = ok && Write(dir, "Dib1.dib", DrawCockpit(), preview);
    ok = ok && Write(dir, "DIB2.DIB", DrawPitCrew(), preview);
    ok = ok && Write(dir, "Dib3.dib", DrawCameraViews(), preview);
    if (!ok) {
        std::fprintf(stderr, "psn_make_assets: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
