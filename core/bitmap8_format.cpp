// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bitmap8_format.h"

#include "core/fs.h"

#include <algorithm>

namespace psn {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::size_t kColourTable = 1024;

std::size_t Stride(int width) {
    return (static_cast<std::size_t>(width) + 3) & ~std::size_t(3);
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

} // namespace

Bitmap8 MakeBitmap8(int width, int height) {
    Bitmap8 picture;
    picture.width = std::max(width, 0);
    picture.height = std::max(height, 0);
    picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
    return picture;
}

void CopyRect(const Bitmap8& from, int fromX, int fromY, Bitmap8& to, int toX, int toY, int width,
              int height) {
    for (int dy = 0; dy < height; ++dy) {
        const int sy = fromY + dy;
        const int ty = toY + dy;
        if (sy < 0 || sy >= from.height || ty < 0 || ty >= to.height)
            continue;
        for (int dx = 0; dx < width; ++dx) {
            const int sx = fromX + dx;
            const int tx = toX + dx;
            if (sx >= 0 && sx < from.width && tx >= 0 && tx < to.width)
                to.At(tx, ty) = from.At(sx, sy);
        }
    }
}

std::vector<std::uint8_t> EncodeBmp(const Bitmap8& picture) {
    const std::size_t stride = Stride(picture.width);
    const std::size_t offBits = kFileHeader + kInfoHeader + kColourTable;
    const std::size_t imageSize = stride * picture.height;
    std::vector<std::uint8_t> b(offBits + imageSize, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offBits));
    Put32(b, 14, kInfoHeader);
    Put32(b, 18, static_cast<std::uint32_t>(picture.width));
    Put32(b, 22, static_cast<std::uint32_t>(picture.height));
    Put16(b, 26, 1);
    Put16(b, 28, 8);
    Put32(b, 34, static_cast<std::uint32_t>(imageSize));
    Put32(b, 46, 256);
    std::copy(picture.colours.begin(), picture.colours.end(),
              b.begin() + kFileHeader + kInfoHeader);
    for (int y = 0; y < picture.height; ++y) {
        const auto row = picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width;
        std::copy(row, row + picture.width,
                  b.begin() +
                      static_cast<std::ptrdiff_t>(offBits + (picture.height - 1 - y) * stride));
    }
    return b;
}

Bitmap8 FromDib(const TDIB256& dib) {
    Bitmap8 picture = MakeBitmap8(dib.Width(), dib.Height());
    if (picture.Empty())
        return picture;
    std::copy_n(dib.ColorTable(), picture.colours.size(), picture.colours.begin());
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(dib.Bits() + static_cast<std::size_t>(y) * dib.Stride(), picture.width,
                    picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width);
    return picture;
}

namespace {

// The reason alone of a failed write, whose message names the file as "<file>: <reason>" or
// "Cannot write \"<file>\": <reason>".
Message ReasonOf(const FileResult& result) {
    return result.said.args.size() == 2 ? result.said.args[1] : Message(result.reason);
}

} // namespace

Bitmap8 LoadBmpFile(const std::string& path) {
    TDIB256 dib;
    dib.LoadFromFile(path);
    return FromDib(dib);
}

void SaveBmpFile(const Bitmap8& picture, const std::string& path) {
    if (picture.Empty())
        throw EInvalidGraphic();
    const std::vector<std::uint8_t> bytes = EncodeBmp(picture);
    if (const FileResult written = fs::WriteFileDurably(path, bytes); !written)
        throw EFCreateError(path, ReasonOf(written));
}

} // namespace psn
