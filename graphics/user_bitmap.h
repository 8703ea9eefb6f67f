// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Bitmaps that users bring from other programs, read by Qt's image reader (every common BMP
// kind: all header versions, 1 to 32 bits, run-length encoded, top-down rows), and fitted into
// the 256-colour pictures that go back to the game. The shipped pictures and the converter's
// output keep the strict 256-colour reader.
#pragma once

#include "core/bitmap8_format.h"
#include "graphics/nearest_colour_table.h"

#include <QImage>
#include <QString>
#include <string>

namespace psn {

struct UserBitmap {
    QString path;
    QImage image;
    int bitsPerPixel = 0; // as the file states it
};

// Reads a BMP file. A file that cannot be opened, is no BMP file, is damaged or is larger than
// the editor takes raises GraphicError with a message that names the file.
UserBitmap ReadUserBitmap(const QString& path);

struct FittedPicture {
    Bitmap8 picture;
    bool matched = false;           // colours were matched to a table
    std::size_t pixelsReplaced = 0; // pixels whose colour the table did not hold exactly
};

// A whole picture (a helmet sheet, a car painting): an 8-bit file as it is, its colour table and
// indices; any other depth reduced to `table`, the colours of the picture it replaces.
FittedPicture AsWholePicture(const UserBitmap& file, const ColourTable& table);
// A picture pasted into one whose colours are `table`: an 8-bit file with that table is copied
// index for index, any other is matched to the table.
FittedPicture InColoursOf(const UserBitmap& file, const ColourTable& table);

// The picture whose colours a user's bitmap was matched to.
enum class MatchedTo : unsigned char { HelmetSheet, CarPainting };

// The information line shown after colours were matched, in the user's language.
QString MatchedNote(const UserBitmap& file, const FittedPicture& fitted, MatchedTo target);

} // namespace psn
