// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/palette.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace psn {

GamePalette ParsePalette(std::span<const std::uint8_t> file) {
    GamePalette palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t at = kPaletteHeaderSize + 4 * i;
        if (at + 4 > file.size())
            break;
        palette[i] = PaletteEntry{file[at + 2], file[at + 1], file[at], 0};
    }
    return palette;
}

GamePalette LoadGamePalette(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    if (in) {
        bytes.resize(kPaletteHeaderSize + 4 * 256);
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    return ParsePalette(bytes);
}

} // namespace psn
