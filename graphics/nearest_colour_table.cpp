// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/nearest_colour_table.h"

#include <algorithm>
#include <cstdlib>

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

NearestColour::NearestColour(const ColourTable& table) : boxes_(std::size_t{1} << (3 * kBoxBits)) {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        entries_[i] = {table[4 * i + 2], table[4 * i + 1], table[4 * i]};
    cacheKey_.fill(kNoKey);
}

// An entry can be nearest to a colour in the box only if its nearest point of the box is no
// farther than the farthest point of the box is from the best-placed entry.
const std::vector<std::uint8_t>& NearestColour::Candidates(std::uint32_t rgb) {
    constexpr int kShift = 8 - kBoxBits;
    const int r = Red(rgb) >> kShift, g = Green(rgb) >> kShift, b = Blue(rgb) >> kShift;
    std::vector<std::uint8_t>& box =
        boxes_[static_cast<std::size_t>(r << (2 * kBoxBits) | g << kBoxBits | b)];
    if (!box.empty())
        return box;
    constexpr int side = (1 << kShift) - 1;
    auto nearest = [](int v, int low) {
        return v < low ? low - v : v > low + side ? v - low - side : 0;
    };
    auto farthest = [](int v, int low) {
        return std::max(std::abs(v - low), std::abs(v - low - side));
    };
    std::array<int, 256> least{};
    int bound = 1 << 30;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        const int nr = nearest(e.red, r << kShift), ng = nearest(e.green, g << kShift),
                  nb = nearest(e.blue, b << kShift);
        const int fr = farthest(e.red, r << kShift), fg = farthest(e.green, g << kShift),
                  fb = farthest(e.blue, b << kShift);
        least[i] = nr * nr + ng * ng + nb * nb;
        bound = std::min(bound, fr * fr + fg * fg + fb * fb);
    }
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (least[i] <= bound)
            box.push_back(static_cast<std::uint8_t>(i));
    return box;
}

// Of equally near entries the lowest index, as the candidates are in index order.
std::uint8_t NearestColour::Index(std::uint32_t rgb) {
    rgb &= 0xFFFFFF;
    const std::size_t slot = Slot(rgb);
    if (cacheKey_[slot] == rgb)
        return cacheIndex_[slot];
    const int r = Red(rgb), g = Green(rgb), b = Blue(rgb);
    int best = 1 << 30;
    std::uint8_t bestIndex = 0;
    for (const std::uint8_t i : Candidates(rgb)) {
        const Entry& e = entries_[i];
        const int d =
            (e.red - r) * (e.red - r) + (e.green - g) * (e.green - g) + (e.blue - b) * (e.blue - b);
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    cacheKey_[slot] = rgb;
    cacheIndex_[slot] = bestIndex;
    return bestIndex;
}

MatchResult MatchColours(std::span<const std::uint32_t> pixels, const ColourTable& table) {
    NearestColour nearest(table);
    MatchResult result;
    result.indices.resize(pixels.size());
    std::uint32_t last = kNoKey;
    std::uint8_t lastIndex = 0;
    bool lastExact = true;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t rgb = pixels[i] & 0xFFFFFF;
        if (rgb != last) {
            last = rgb;
            lastIndex = nearest.Index(rgb);
            const std::uint8_t* entry = &table[4 * std::size_t{lastIndex}];
            lastExact = entry[2] == Red(rgb) && entry[1] == Green(rgb) && entry[0] == Blue(rgb);
        }
        result.indices[i] = lastIndex;
        result.pixelsReplaced += lastExact ? 0 : 1;
    }
    return result;
}

} // namespace psn
