// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dib256.h"

#include "core/fs.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

namespace psn {

namespace {

constexpr std::uint16_t kSignature = 19778; // "BM"
constexpr std::uint32_t kNoCompression = 0;
constexpr std::uint32_t kRle8 = 1;

std::uint32_t Get32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t Get16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Offsets inside the information header.
constexpr std::size_t kInfoSize = 0, kInfoWidth = 4, kInfoHeight = 8, kInfoPlanes = 12,
                      kInfoBitCount = 14, kInfoCompression = 16, kInfoImageSize = 20,
                      kInfoColorsUsed = 32;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}
    std::size_t Remaining() const { return data_.size() - pos_; }
    // Reads up to `count` bytes; returns how many were read.
    std::size_t Read(std::uint8_t* out, std::size_t count) {
        const std::size_t n = std::min(count, Remaining());
        if (n)
            std::memcpy(out, data_.data() + pos_, n);
        pos_ += n;
        return n;
    }
    void ReadExactly(std::uint8_t* out, std::size_t count) {
        if (Read(out, count) != count)
            throw EReadError();
    }
    std::span<const std::uint8_t> Rest() const { return data_.subspan(pos_); }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

} // namespace

void DecodeRle8(std::span<const std::uint8_t> data, std::span<std::uint8_t> pixels,
                std::uint32_t stride) {
    std::size_t in = 0, out = 0;
    const std::size_t size = pixels.size();
    auto put = [&](std::uint8_t v) {
        if (out < size)
            pixels[out] = v;
        ++out;
    };
    while (in + 1 < data.size() && out < size) {
        const std::uint8_t count = data[in++];
        const std::uint8_t code = data[in++];
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(code);
        } else if (code == 0) {
            if (stride && out % stride != 0)
                out = (out / stride + 1) * stride;
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            if (in + 1 >= data.size())
                return;
            out += data[in] + static_cast<std::size_t>(data[in + 1]) * stride;
            in += 2;
        } else {
            for (int i = 0; i < code && in < data.size(); ++i)
                put(data[in++]);
            if (code & 1)
                ++in;
        }
    }
}

void TDIB256::LoadFromFile(const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(fileName, bytes, reason))
        throw EFOpenError(fileName, std::move(reason));
    LoadFromBytes(bytes);
}

void TDIB256::LoadFromBytes(std::span<const std::uint8_t> file) {
    Reader reader(file);
    std::uint8_t fileHeader[kFileHeaderSize];
    if (reader.Read(fileHeader, kFileHeaderSize) != kFileHeaderSize ||
        Get16(fileHeader) != kSignature)
        throw EInvalidGraphic();

    std::vector<std::uint8_t> block(kInfoHeaderSize + kColorTableSize, 0);
    std::uint8_t* info = block.data();
    if (reader.Read(info, kInfoHeaderSize) != kInfoHeaderSize ||
        Get32(info + kInfoSize) != kInfoHeaderSize || Get16(info + kInfoPlanes) != 1 ||
        Get16(info + kInfoBitCount) != 8)
        throw EInvalidGraphic();
    const auto width = static_cast<std::int32_t>(Get32(info + kInfoWidth));
    const auto rawHeight = static_cast<std::int32_t>(Get32(info + kInfoHeight));
    const std::uint32_t compression = Get32(info + kInfoCompression);
    // A negative height is a picture stored top row first; it is taken as such, uncompressed only.
    const bool topDown = rawHeight < 0;
    const std::uint32_t height =
        topDown ? static_cast<std::uint32_t>(-static_cast<std::int64_t>(rawHeight))
                : static_cast<std::uint32_t>(rawHeight);
    if (width <= 0 || height == 0 || static_cast<std::uint32_t>(width) > kMaxSide ||
        height > kMaxSide || (compression != kNoCompression && compression != kRle8) ||
        (topDown && compression != kNoCompression))
        throw EInvalidGraphic();
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) + 3u) & ~3u;
    const std::size_t pixelBytes = static_cast<std::size_t>(stride) * height;
    if (pixelBytes > kMaxPixelBytes)
        throw EInvalidGraphic();

    std::uint32_t colorsUsed = Get32(info + kInfoColorsUsed);
    if (colorsUsed == 0)
        colorsUsed = 256;
    if (colorsUsed > 256) // would not fit the colour table
        throw EInvalidGraphic();
    reader.ReadExactly(info + kInfoHeaderSize, std::size_t{colorsUsed} * 4);

    std::uint32_t imageSize = Get32(info + kInfoImageSize);
    if (imageSize == 0)
        imageSize = static_cast<std::uint32_t>(pixelBytes);
    Put32(info + kInfoColorsUsed, 256);

    block.resize(kInfoHeaderSize + kColorTableSize + pixelBytes, 0);
    info = block.data();
    const std::span<std::uint8_t> pixels(block.data() + kInfoHeaderSize + kColorTableSize,
                                         pixelBytes);
    if (compression == kNoCompression) {
        // Pixels past the picture's own rows have no place to go; they are not read.
        reader.ReadExactly(pixels.data(), std::min<std::size_t>(imageSize, pixelBytes));
    } else {
        DecodeRle8(reader.Rest(), pixels, stride);
        Put32(info + kInfoCompression, kNoCompression);
    }
    Put32(info + kInfoImageSize, static_cast<std::uint32_t>(pixelBytes));
    if (topDown)
        Put32(info + kInfoHeight, height);

    block_ = std::move(block);
    width_ = static_cast<std::uint16_t>(width);
    height_ = static_cast<std::uint16_t>(height);
    if (!topDown) {
        std::uint8_t* bits = Bits();
        for (std::uint32_t i = 0; i < height / 2; ++i)
            std::swap_ranges(bits + i * stride, bits + (i + 1) * stride,
                             bits + (height - 1 - i) * stride);
    }
}

} // namespace psn
