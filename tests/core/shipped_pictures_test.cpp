// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dib256.h"
#include "game_palette.h"
#include "graphics/colour_parts_table.h"

#include <gtest/gtest.h>
#include <set>

namespace psn {
namespace {

TDIB256 Shipped(const char* name) {
    TDIB256 dib;
    dib.LoadFromFile(std::string(PSN_APP_DIR) + "/DATA/" + name);
    return dib;
}

// Which values a picture's rows use, and that every one reaches the screen as a picture colour.
std::set<int> PictureValues(const TDIB256& dib, int rows) {
    std::set<int> values;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < dib.Width(); ++x)
            values.insert(dib.Pixel(x, y));
    return values;
}

TEST(ShippedPictures, ColourPicturesHoldEveryPartAndOnlyFreeValuesElsewhere) {
    struct Case {
        const char* file;
        std::span<const colours::PartRange> parts;
    };
    for (const Case& c :
         {Case{"Dib1.dib", colours::kCockpitParts}, Case{"DIB2.DIB", colours::kCrewParts}}) {
        const TDIB256 dib = Shipped(c.file);
        ASSERT_EQ(dib.Width(), 500) << c.file;
        ASSERT_EQ(dib.Height(), 375) << c.file;
        const auto values = PictureValues(dib, colours::kPictureRows);
        for (const auto& part : c.parts) {
            const bool used =
                std::any_of(values.begin(), values.end(), [&](int v) { return part.Holds(v); });
            EXPECT_TRUE(used) << c.file << " " << part.caption;
        }
        const bool crew = c.parts.size() == colours::kCrewParts.size();
        for (int v : values) {
            const bool inPart = colours::PartOf(c.parts, v).has_value();
            if (crew)
                EXPECT_TRUE(inPart || (v >= 10 && v <= 41)) << c.file << " " << v;
            else
                EXPECT_TRUE(v >= 10 && v <= 245) << c.file << " " << v;
        }
        EXPECT_EQ(PictureValues(dib, 375).count(7), 1u);
        const auto& palette = assets::GamePalette();
        for (int i = 10; i <= 245; ++i)
            ASSERT_EQ(dib.ColorTable()[4 * i + 2], palette[i].r) << c.file << " " << i;
    }
}

TEST(ShippedPictures, CameraViewsCoverEveryCameraPortion) {
    const TDIB256 dib = Shipped("Dib3.dib");
    EXPECT_EQ(dib.Width(), 601);
    EXPECT_EQ(dib.Height(), 135);
    for (int v : PictureValues(dib, 135))
        EXPECT_TRUE(v >= 10 && v <= 245) << v;
}

TEST(ShippedPictures, PaletteFileIsTheGamePalette) {
    const GamePalette palette = LoadGamePalette(std::string(PSN_APP_DIR) + "/DATA/PSN.PAL");
    const auto& expected = assets::GamePalette();
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(palette[i].red, expected[i].r) << i;
    // The markers need a dark colour 11 and a light colour 41.
    EXPECT_EQ(colours::NegColor(palette, 11), colours::kMarkerOnDark);
    EXPECT_EQ(colours::NegColor(palette, 41), colours::kMarkerOnLight);
}

} // namespace
} // namespace psn
