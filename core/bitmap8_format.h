// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A 256-colour picture as a BMP file holds it: palette indices, top row first, and the file's
// own 256-entry colour table. Pictures are copied and saved index for index, never colour
// matched, so a picture that goes out to the game and comes back is unchanged.
#pragma once

#include "core/dib256.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace psn {

// A bitmap file that cannot be written: "Cannot create file <name>: <reason>".
class EFCreateError : public GraphicError {
public:
    EFCreateError(const std::string& name, const Message& reason)
        : GraphicError(reason.Empty()
                           ? Message(MessageKind::CannotCreateFile, {name})
                           : Message(MessageKind::CannotCreateFileBecause, {name, reason}),
                       name, reason) {}
};

struct Bitmap8 {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;         // width bytes per row, top row first
    std::array<std::uint8_t, 1024> colours{}; // 256 entries of blue, green, red, 0

    bool Empty() const { return width == 0 || height == 0; }
    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A picture of the size with every pixel 0 and a black colour table.
Bitmap8 MakeBitmap8(int width, int height);

// Copies a rectangle pixel for pixel; the parts outside either picture are left out.
void CopyRect(const Bitmap8& from, int fromX, int fromY, Bitmap8& to, int toX, int toY, int width,
              int height);

// An uncompressed 8-bit BMP file: rows bottom first, padded to 4 bytes, 256 colours.
std::vector<std::uint8_t> EncodeBmp(const Bitmap8& picture);
// A picture read by the 256-colour bitmap reader; its errors (GraphicError) propagate.
Bitmap8 FromDib(const TDIB256& dib);
Bitmap8 LoadBmpFile(const std::string& path);
// Writes durably (fs::WriteFileDurably), so a failure never leaves half a file; a link, a pipe
// or a device in the way is refused. Raises EFCreateError with the system's reason.
void SaveBmpFile(const Bitmap8& picture, const std::string& path);

} // namespace psn
