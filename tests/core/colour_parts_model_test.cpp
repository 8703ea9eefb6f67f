// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/colour_parts_model.h"

#include <gtest/gtest.h>
#include <optional>
#include <tuple>
#include <vector>

namespace psn {
namespace {

using colours::kSurfaceWidth;

// The centre of the swatch showing colour c.
std::pair<int, int> Swatch(int c) {
    const int s = c - colours::kFirstSwatch;
    return {20 * (s % 25) + 10, colours::kGridTop + 15 * (s / 25) + 7};
}

// A surface whose picture rows show their column as the pixel value.
std::vector<std::uint8_t> ColumnPicture() {
    std::vector<std::uint8_t> surface(std::size_t{kSurfaceWidth} * colours::kSurfaceHeight, 7);
    for (int y = 0; y < colours::kPictureRows; ++y)
        for (int x = 0; x < kSurfaceWidth; ++x)
            surface[static_cast<std::size_t>(y) * kSurfaceWidth + x] =
                static_cast<std::uint8_t>(x % 256);
    return surface;
}

TEST(ColourPartsModel, ListRowsStandForTheTeamsInUse) {
    struct Case {
        std::vector<int> unused;
        std::vector<int> rows;
        int chosen;
    };
    const Case cases[] = {
        {{}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, 1},
        {{1, 2, 7}, {3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}, 3},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, {}, 1},
    };
    for (const Case& c : cases) {
        SettingsRecord record;
        for (int t = 1; t <= 14; ++t)
            record.setU8(rec::TeamInUse(t), 1);
        for (const int t : c.unused)
            record.setU8(rec::TeamInUse(t), 0);
        ColourPartsModel model(record, colours::kCockpitParts, kCockpitColourRows);
        model.ChooseTeam(9);
        EXPECT_EQ(model.ListTeams(), c.rows);
        EXPECT_EQ(model.Team(), c.chosen);
        const int rows = static_cast<int>(c.rows.size());
        for (const int row : {-1, rows, rows + 5})
            EXPECT_FALSE(model.ChooseRow(row)) << row;
        EXPECT_EQ(model.Team(), c.chosen);
        if (rows > 1) {
            EXPECT_TRUE(model.ChooseRow(rows - 1));
            EXPECT_EQ(model.Team(), c.rows.back());
        }
    }
}

TEST(ColourPartsModel, SwatchIsTakenOnlyWhenThePartsWholeRunFits) {
    struct Case {
        const char* what;
        std::span<const colours::PartRange> parts;
        ColourRows rows;
        int team, part;
        std::pair<int, int> at;
        bool taken;
        std::size_t offset;
    };
    const Case cases[] = {
        {"first swatch", colours::kCockpitParts, kCockpitColourRows, 1, 0, Swatch(11), true, 1878},
        {"cockpit run ends at 245", colours::kCockpitParts, kCockpitColourRows, 3, 0, Swatch(231),
         true, 1878 + 6},
        {"cockpit run passes 245", colours::kCockpitParts, kCockpitColourRows, 3, 0, Swatch(232),
         false, 1878 + 6},
        {"mirrors' longer run", colours::kCockpitParts, kCockpitColourRows, 2, 1, Swatch(231),
         false, 1878 + 3 + 1},
        {"front wing's shorter run", colours::kCockpitParts, kCockpitColourRows, 20, 2, Swatch(232),
         true, 1878 + 57 + 2},
        {"left of the grid",
         colours::kCockpitParts,
         kCockpitColourRows,
         1,
         0,
         {-1, 210},
         false,
         1878},
        {"right of the grid",
         colours::kCockpitParts,
         kCockpitColourRows,
         1,
         0,
         {500, 210},
         false,
         1878},
        {"crew bytes 0 and 1 stay hidden", colours::kCrewParts, kCrewColourRows, 2, 0, Swatch(100),
         true, 1938 + 16 + 2},
        {"crew logo", colours::kCrewParts, kCrewColourRows, 14, 13, Swatch(230), true,
         1938 + 13 * 16 + 15},
        {"crew run passes 245", colours::kCrewParts, kCrewColourRows, 1, 5, Swatch(231), false,
         1938 + 7},
    };
    for (const Case& c : cases) {
        SettingsRecord record;
        record.setU8(c.offset, 99);
        ColourPartsModel model(record, c.parts, c.rows);
        model.ChooseTeam(c.team);
        model.ChoosePart(c.part);
        EXPECT_EQ(model.PickSwatch(c.at.first, c.at.second), c.taken) << c.what;
        const int expected = c.taken ? colours::SwatchAt(c.at.first, c.at.second) : 99;
        EXPECT_EQ(record.u8(c.offset), expected) << c.what;
        EXPECT_EQ(model.Offset(c.team, c.part), c.offset) << c.what;
    }
}

TEST(ColourPartsModel, PictureNamesPartsAndTakesTheChosenTeamsColours) {
    SettingsRecord record;
    record.setU8(rec::kCockpitColours + 3 * 4, 100); // team 5's cockpit
    ColourPartsModel model(record, colours::kCockpitParts, kCockpitColourRows);
    EXPECT_FALSE(model.PartAt(42, 0)) << "no picture yet";
    std::vector<std::uint8_t> surface = ColumnPicture();
    model.TakeReference(surface);
    for (const auto& [x, y, part] : {std::tuple{42, 0, std::optional<int>(0)},
                                     {56, 197, 0},
                                     {57, 10, std::nullopt},
                                     {58, 10, 1},
                                     {167, 10, 2},
                                     {168, 10, std::nullopt},
                                     {42, 198, std::nullopt},
                                     {-1, 10, std::nullopt},
                                     {500, 10, std::nullopt}})
        EXPECT_EQ(model.PartAt(x, y), part) << x << "," << y;

    model.ChooseTeam(5);
    model.Recolour(surface);
    EXPECT_EQ(surface[42], 100);
    EXPECT_EQ(surface[56], 114);
    EXPECT_EQ(surface[57], 57);
    EXPECT_EQ(surface[58], 0); // the mirrors' base colour 0
    model.Clear(surface);
    EXPECT_EQ(surface, ColumnPicture());
}

} // namespace
} // namespace psn
