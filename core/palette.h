// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace psn {

// One entry per colour index, in colour-table order: blue, green, red, 0.
struct PaletteEntry {
    std::uint8_t blue = 0, green = 0, red = 0, reserved = 0;
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};
using GamePalette = std::array<PaletteEntry, 256>;

constexpr std::size_t kPaletteHeaderSize = 12;

// Parses a palette file (12-byte header, then red, green, blue, ignored per colour). Entries the
// data does not hold stay black; anything after entry 255 is ignored.
GamePalette ParsePalette(std::span<const std::uint8_t> file);

// Reads ".\DATA\PSN.PAL"; a missing or unreadable file gives what could be read (all black).
GamePalette LoadGamePalette(const std::string& path);

} // namespace psn
