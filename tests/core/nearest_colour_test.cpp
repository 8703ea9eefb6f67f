// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/nearest_colour_table.h"

#include <gtest/gtest.h>
#include <random>

namespace psn {
namespace {

std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 |
           static_cast<std::uint32_t>(b);
}

// The nearest entry by trying every one, lowest index first.
int Exhaustive(const ColourTable& table, std::uint32_t rgb) {
    int best = 1 << 30, bestIndex = -1;
    for (int i = 0; i < 256; ++i) {
        const int dr = table[4 * i + 2] - static_cast<int>(rgb >> 16 & 0xFF);
        const int dg = table[4 * i + 1] - static_cast<int>(rgb >> 8 & 0xFF);
        const int db = table[4 * i] - static_cast<int>(rgb & 0xFF);
        const int d = dr * dr + dg * dg + db * db;
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    return bestIndex;
}

// The search skips entries by their green value alone; on tables with repeated and clustered
// colours it must still find what trying every entry finds, and the lowest of equal entries.
TEST(NearestColour, FindsWhatTryingEveryEntryFinds) {
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        ColourTable table{};
        const int spread = round % 2 ? 256 : 16; // clustered tables have many ties
        for (int i = 0; i < 256; ++i)
            for (int c = 0; c < 3; ++c)
                table[4 * i + c] = static_cast<std::uint8_t>(random() % spread * (256 / spread));
        for (int i = 0; i < 40; ++i) // repeated colours
            std::copy_n(&table[4 * (random() % 256)], 4, &table[4 * (random() % 256)]);
        NearestColour nearest(table);
        for (int q = 0; q < 2000; ++q) {
            const std::uint32_t rgb = random() & 0xFFFFFF;
            ASSERT_EQ(nearest.Index(rgb | 0xFF000000), Exhaustive(table, rgb)) << std::hex << rgb;
        }
    }
}

TEST(NearestColour, MatchingCountsThePixelsWhoseColourTheTableDoesNotHold) {
    ColourTable table{};
    table[4 * 7 + 2] = 255;                                                    // red at 7
    table[4 * 9] = 255;                                                        // blue at 9
    const std::vector<std::uint32_t> pixels = {Rgb(255, 0, 0), Rgb(250, 3, 0), // near red
                                               Rgb(250, 3, 0), Rgb(0, 0, 0),
                                               Rgb(0, 0, 200), 0xFF0000FF}; // alpha is ignored
    const MatchResult result = MatchColours(pixels, table);
    EXPECT_EQ(result.indices, (std::vector<std::uint8_t>{7, 7, 7, 0, 9, 9}));
    EXPECT_EQ(result.pixelsReplaced, 3u);
}

} // namespace
} // namespace psn
