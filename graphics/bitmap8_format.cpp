#include "graphics/bitmap8_format.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace psn {
namespace {

constexpr const char* kInvalid = "Bitmap Image is not valid";
constexpr const char* kShort = "Stream read error";
constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::size_t kColourTable = 1024;
// No picture of the game comes near this; it keeps damaged headers from asking for gigabytes.
constexpr std::int64_t kMaxPixels = 16 * 1024 * 1024;

std::size_t Stride(int width) {
    return (static_cast<std::size_t>(width) + 3) & ~std::size_t(3);
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// Run-length data decodes into rows in file order (bottom row first); writes past the picture
// are dropped.
void DecodeRle8(const std::vector<std::uint8_t>& b, std::size_t at, int width, int rows,
                std::vector<std::uint8_t>& fileRows) {
    int x = 0;
    int y = 0;
    auto put = [&](std::uint8_t v) {
        if (x < width && y < rows)
            fileRows[static_cast<std::size_t>(y) * width + x] = v;
        ++x;
    };
    while (at + 1 < b.size() && y < rows) {
        const std::uint8_t count = b[at++];
        const std::uint8_t value = b[at++];
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(value);
        } else if (value == 0) {
            if (x != 0) {
                x = 0;
                ++y;
            }
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            if (at + 1 >= b.size())
                throw BitmapError(kShort);
            x += b[at++];
            y += b[at++];
        } else {
            if (at + value > b.size())
                throw BitmapError(kShort);
            for (int i = 0; i < value; ++i)
                put(b[at + i]);
            at += value + (value & 1);
        }
    }
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

Bitmap8 DecodeBmp(const std::vector<std::uint8_t>& b) {
    if (b.size() < kFileHeader)
        throw BitmapError(kShort);
    if (U16(b, 0) != 19778)
        throw BitmapError(kInvalid);
    if (b.size() < kFileHeader + kInfoHeader)
        throw BitmapError(kShort);
    const std::uint32_t infoSize = U32(b, 14);
    const auto width = static_cast<std::int32_t>(U32(b, 18));
    const auto height = static_cast<std::int32_t>(U32(b, 22));
    const std::uint16_t planes = U16(b, 26);
    const std::uint16_t bits = U16(b, 28);
    const std::uint32_t compression = U32(b, 30);
    std::uint32_t used = U32(b, 46);
    if (infoSize != kInfoHeader || width <= 0 || height == 0 || height == INT32_MIN ||
        planes != 1 || bits != 8 || (compression != 0 && compression != 1) || used > 256)
        throw BitmapError(kInvalid);
    const bool topDown = height < 0;
    const int rows = topDown ? -height : height;
    if (static_cast<std::int64_t>(width) * rows > kMaxPixels)
        throw BitmapError(kInvalid);
    if (used == 0)
        used = 256;

    Bitmap8 picture = MakeBitmap8(width, rows);
    const std::size_t tableAt = kFileHeader + kInfoHeader;
    if (b.size() < tableAt + 4 * used)
        throw BitmapError(kShort);
    std::copy(b.begin() + tableAt, b.begin() + tableAt + 4 * used, picture.colours.begin());

    // The pixels start where the header says; files that leave it 0 have them after the colours.
    std::size_t pixelsAt = U32(b, 10);
    if (pixelsAt < tableAt + 4 * used || pixelsAt > b.size())
        pixelsAt = tableAt + 4 * used;

    std::vector<std::uint8_t> fileRows(static_cast<std::size_t>(width) * rows, 0);
    if (compression == 0) {
        const std::size_t stride = Stride(width);
        if (b.size() - pixelsAt < stride * rows)
            throw BitmapError(kShort);
        for (int y = 0; y < rows; ++y)
            std::copy_n(b.begin() + static_cast<std::ptrdiff_t>(pixelsAt + y * stride), width,
                        fileRows.begin() + static_cast<std::ptrdiff_t>(y) * width);
    } else {
        DecodeRle8(b, pixelsAt, width, rows, fileRows);
    }
    for (int y = 0; y < rows; ++y) {
        const int from = topDown ? y : rows - 1 - y;
        std::copy_n(fileRows.begin() + static_cast<std::ptrdiff_t>(from) * width, width,
                    picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    return picture;
}

Bitmap8 LoadBmpFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw BitmapError("Cannot open file " + path);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    if (in.bad())
        throw BitmapError(kShort);
    return DecodeBmp(bytes);
}

void SaveBmpFile(const Bitmap8& picture, const std::string& path) {
    if (picture.Empty())
        throw BitmapError(kInvalid);
    const std::vector<std::uint8_t> bytes = EncodeBmp(picture);
    const std::string temp = path + ".part";
    std::error_code ec;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temp, ec);
            throw BitmapError("Cannot create file " + path);
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw BitmapError("Cannot create file " + path);
    }
}

} // namespace psn
