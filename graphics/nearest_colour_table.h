// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colour matching for pictures that come from other programs: every colour is replaced by the
// nearest entry of a 256-entry colour table (blue, green, red, 0 per entry), so that the picture
// speaks the table's indices and can go back to the game.
#pragma once

#include "core/palette.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace psn {

using ColourTable = std::array<std::uint8_t, 1024>;

// The game palette as a picture's colour table.
ColourTable TableOf(const GamePalette& palette);

// Colours are 0xRRGGBB; anything above the low 24 bits (alpha) is ignored.
class NearestColour {
public:
    explicit NearestColour(const ColourTable& table);

    // The entry nearest in red, green and blue (squared distance); of equally near entries the
    // lowest index, so that a table with repeated colours always answers the same.
    std::uint8_t Index(std::uint32_t rgb);

private:
    struct Entry {
        int red, green, blue;
    };
    // The colour space is cut into 32 x 32 x 32 boxes; each box keeps, in index order, the
    // entries that can be nearest to some colour inside it, found when a colour first falls in.
    static constexpr int kBoxBits = 5;
    const std::vector<std::uint8_t>& Candidates(std::uint32_t rgb);

    std::array<Entry, 256> entries_{};
    std::vector<std::vector<std::uint8_t>> boxes_;
    // Recently matched colours: pictures repeat their colours.
    static constexpr std::size_t kCacheSize = 4096;
    std::array<std::uint32_t, kCacheSize> cacheKey_;
    std::array<std::uint8_t, kCacheSize> cacheIndex_{};
};

struct MatchResult {
    std::vector<std::uint8_t> indices; // one per pixel
    std::size_t pixelsReplaced = 0;    // pixels whose colour the table does not hold exactly
};

// Maps pixels (0xRRGGBB, alpha ignored) to the table's nearest entries.
MatchResult MatchColours(std::span<const std::uint32_t> pixels, const ColourTable& table);

} // namespace psn
