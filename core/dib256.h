// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A 256-colour bitmap file read into one block: the 40-byte information header, the 256-entry
// colour table (blue, green, red, 0) and the pixel rows, top row first. Plain C++ on a byte
// buffer, so that any damaged file can be fed to it: every read is bounds-checked and the
// pixel block is bounded.
#pragma once

#include "core/errors.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace psn {

inline constexpr const char* kInvalidBitmap = "Bitmap Image is not valid";
inline constexpr const char* kStreamReadError = "Stream read error";

// Every failure to read or write a picture, as a message the windows word in the user's language.
class GraphicError : public FileError {
public:
    explicit GraphicError(Message message, std::string path = {}, Message reason = {})
        : FileError(std::move(message), std::move(path), std::move(reason)) {}
};
// The data is not a bitmap this reader takes.
class EInvalidGraphic : public GraphicError {
public:
    EInvalidGraphic() : GraphicError(Message(MessageKind::InvalidBitmap, {})) {}
};
// The file ends before the colour table or the pixels are complete.
class EReadError : public GraphicError {
public:
    EReadError() : GraphicError(Message(MessageKind::StreamReadError, {})) {}
};
// The file cannot be opened: "Cannot open file <name>", the reason below it.
class EFOpenError : public GraphicError {
public:
    explicit EFOpenError(const std::string& name, Message reason = {})
        : GraphicError(Message(MessageKind::CannotOpenFile, {name}), name, std::move(reason)) {}
};

class TDIB256 {
public:
    static constexpr std::size_t kFileHeaderSize = 14;
    static constexpr std::size_t kInfoHeaderSize = 40;
    static constexpr std::size_t kColorTableSize = 256 * 4;
    // Larger pictures are refused as invalid rather than allocated.
    static constexpr std::uint32_t kMaxSide = 16384;
    static constexpr std::size_t kMaxPixelBytes = 32u << 20;

    void LoadFromFile(const std::string& fileName);
    // The whole file's bytes. On failure the previously loaded picture stays.
    void LoadFromBytes(std::span<const std::uint8_t> file);

    std::uint16_t Width() const { return width_; }
    std::uint16_t Height() const { return height_; }
    // Row length in memory: the width rounded up to a multiple of 4; 0 while nothing is loaded.
    std::uint32_t Stride() const { return block_.empty() ? 0 : (width_ + 3u) & ~3u; }
    const std::uint8_t* Bits() const { return Data(kInfoHeaderSize + kColorTableSize); }
    std::uint8_t* Bits() { return Data(kInfoHeaderSize + kColorTableSize); }
    const std::uint8_t* ColorTable() const { return Data(kInfoHeaderSize); }
    const std::uint8_t* Info() const { return Data(0); }
    std::uint8_t Pixel(int x, int y) const { return Bits()[y * Stride() + x]; }

private:
    const std::uint8_t* Data(std::size_t at) const {
        return block_.empty() ? nullptr : block_.data() + at;
    }
    std::uint8_t* Data(std::size_t at) { return block_.empty() ? nullptr : block_.data() + at; }

    std::vector<std::uint8_t> block_;
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
};

// Decodes 8-bit run-length data into `pixels` (rows of `stride` bytes, file row order). Output
// that would fall outside the pixel area is dropped, and decoding stops at the end of the data.
void DecodeRle8(std::span<const std::uint8_t> data, std::span<std::uint8_t> pixels,
                std::uint32_t stride);

} // namespace psn
