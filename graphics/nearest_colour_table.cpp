#include "graphics/nearest_colour_table.h"

#include <algorithm>

namespace psn {
namespace {

constexpr std::uint32_t kNoKey = 0xFFFFFFFFu; // never a colour: colours have no alpha here

int Red(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 16) & 0xFF);
}
int Green(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 8) & 0xFF);
}
int Blue(std::uint32_t rgb) {
    return static_cast<int>(rgb & 0xFF);
}

std::size_t Slot(std::uint32_t rgb) {
    return ((rgb * 2654435761u) >> 20) & 4095u;
}

} // namespace

ColourTable TableOf(const GamePalette& palette) {
    ColourTable table{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        table[4 * i] = palette[i].blue;
        table[4 * i + 1] = palette[i].green;
        table[4 * i + 2] = palette[i].red;
    }
    return table;
}

NearestColour::NearestColour(const ColourTable& table) {
    byGreen_.reserve(256);
    for (int i = 0; i < 256; ++i)
        byGreen_.push_back(
            {table[4 * i + 2], table[4 * i + 1], table[4 * i], static_cast<std::uint8_t>(i)});
    std::stable_sort(byGreen_.begin(), byGreen_.end(),
                     [](const Entry& a, const Entry& b) { return a.green < b.green; });
    cacheKey_.fill(kNoKey);
}

std::uint8_t NearestColour::Index(std::uint32_t rgb) {
    rgb &= 0xFFFFFF;
    const std::size_t slot = Slot(rgb);
    if (cacheKey_[slot] != rgb) {
        cacheKey_[slot] = rgb;
        cacheIndex_[slot] = Search(rgb);
    }
    return cacheIndex_[slot];
}

// Searches outward from the colour's green value; an entry whose green alone is farther than
// the best distance found cannot be nearer, nor can any beyond it.
std::uint8_t NearestColour::Search(std::uint32_t rgb) const {
    const int r = Red(rgb), g = Green(rgb), b = Blue(rgb);
    const auto start = std::lower_bound(byGreen_.begin(), byGreen_.end(), g,
                                        [](const Entry& e, int green) { return e.green < green; });
    int best = 1 << 30;
    int bestIndex = 256;
    auto consider = [&](const Entry& e) {
        const int d =
            (e.red - r) * (e.red - r) + (e.green - g) * (e.green - g) + (e.blue - b) * (e.blue - b);
        if (d < best || (d == best && e.index < bestIndex)) {
            best = d;
            bestIndex = e.index;
        }
    };
    auto up = start;
    auto down = start;
    for (;;) {
        const bool upOpen = up != byGreen_.end() && (up->green - g) * (up->green - g) <= best;
        const bool downOpen =
            down != byGreen_.begin() && (g - (down - 1)->green) * (g - (down - 1)->green) <= best;
        if (!upOpen && !downOpen)
            break;
        if (upOpen)
            consider(*up++);
        if (downOpen)
            consider(*--down);
    }
    return static_cast<std::uint8_t>(bestIndex);
}

MatchResult MatchColours(std::span<const std::uint32_t> pixels, const ColourTable& table) {
    NearestColour nearest(table);
    MatchResult result;
    result.indices.resize(pixels.size());
    std::vector<std::uint64_t> replaced(std::size_t{1} << 18); // one bit per 24-bit colour
    std::uint32_t last = kNoKey;
    std::uint8_t lastIndex = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t rgb = pixels[i] & 0xFFFFFF;
        if (rgb != last) {
            last = rgb;
            lastIndex = nearest.Index(rgb);
            const std::uint8_t* entry = &table[4 * std::size_t{lastIndex}];
            const std::uint64_t bit = std::uint64_t{1} << (rgb & 63);
            if (static_cast<int>(entry[2]) != Red(rgb) || entry[1] != Green(rgb) ||
                entry[0] != Blue(rgb)) {
                if (!(replaced[rgb >> 6] & bit)) {
                    replaced[rgb >> 6] |= bit;
                    ++result.coloursReplaced;
                }
            }
        }
        result.indices[i] = lastIndex;
    }
    return result;
}

} // namespace psn
