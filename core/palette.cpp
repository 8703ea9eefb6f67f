// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/palette.h"

#include "core/fs.h"

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
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!fs::ReadWholeFile(path, bytes, reason))
        bytes.clear();
    bytes.resize(std::min<std::size_t>(bytes.size(), kPaletteHeaderSize + 4 * 256));
    return ParsePalette(bytes);
}

} // namespace psn
