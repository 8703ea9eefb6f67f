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
    std::uint8_t Search(std::uint32_t rgb) const;

    struct Entry {
        int red, green, blue;
        std::uint8_t index;
    };
    std::vector<Entry> byGreen_; // the table sorted by green, for a search outward from a colour
    // Recently matched colours: pictures repeat their colours, a search per pixel would not pay.
    static constexpr std::size_t kCacheSize = 4096;
    std::array<std::uint32_t, kCacheSize> cacheKey_;
    std::array<std::uint8_t, kCacheSize> cacheIndex_{};
};

struct MatchResult {
    std::vector<std::uint8_t> indices; // one per pixel
    int coloursReplaced = 0;           // distinct colours the table does not hold exactly
};

// Maps pixels (0xRRGGBB, alpha ignored) to the table's nearest entries.
MatchResult MatchColours(std::span<const std::uint32_t> pixels, const ColourTable& table);

} // namespace psn
