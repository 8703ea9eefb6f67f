// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bitmap8_format.h"
#include "core/record_map.h"
#include "graphics/helmet_table.h"
#include "support/scratch_game.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

TEST(HelmetSheet, CellUnderAPointFollowsTheColumnEdges) {
    struct Case {
        int x, y, cell;
    };
    const Case cases[] = {{0, 0, 0},     {73, 14, 0},   {73, 15, 1},    {0, 179, 11},
                          {0, 180, -1},  {74, 0, 12},   {147, 179, 23}, {148, 0, 24},
                          {221, 74, 28}, {221, 75, -1}, {222, 0, -1},   {10, 50, 3},
                          {80, 50, 15},  {-1, 5, -1},   {5, -1, -1},    {-74, -15, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(HelmetCellAt(c.x, c.y), c.cell) << c.x << "," << c.y;
    for (int cell = 0; cell < kHelmetCells; ++cell) {
        const CellOrigin at = HelmetCellOrigin(cell);
        EXPECT_EQ(HelmetCellAt(at.x, at.y), cell);
        EXPECT_EQ(HelmetCellAt(at.x + kHelmetWidth - 1, at.y + kHelmetHeight - 1), cell);
    }
    EXPECT_EQ(HelmetCellOrigin(28).x, 148);
    EXPECT_EQ(HelmetCellOrigin(28).y, 60);
}

TEST(HelmetSheet, DriverRowsFollowTheNumberedSlotsAndTeamsInUseTheirFlags) {
    SettingsRecord record;
    const int numbers[] = {5, 0, 27, 40, 0, 1};
    for (int slot = 1; slot <= 6; ++slot)
        record.setU8(rec::SlotNumber(slot), static_cast<std::uint8_t>(numbers[slot - 1]));
    record.setStr(rec::DriverName(5), rec::kDriverNameCapacity, "Five");
    record.setStr(rec::DriverName(27), rec::kDriverNameCapacity, "Twenty-seven");
    record.setStr(rec::DriverName(40), rec::kDriverNameCapacity, "Forty");
    record.setStr(rec::DriverName(1), rec::kDriverNameCapacity, "One");
    EXPECT_EQ(HelmetDriverNames(record),
              (std::vector<std::string>{"Five", "Twenty-seven", "Forty", "One"}));

    for (int team = 1; team <= 14; ++team) {
        record.setU8(rec::TeamInUse(team), team != 3 && team != 14);
        record.setStr(rec::TeamName(team), rec::kTeamNameCapacity,
                      std::string("T").append(std::to_string(team)));
    }
    const auto teams = TeamsInUseNames(record);
    ASSERT_EQ(teams.size(), 12u);
    EXPECT_EQ(teams[1], "T2");
    EXPECT_EQ(teams[2], "T4");
    EXPECT_EQ(teams[11], "T13");
}

TEST(HelmetSheet, StretchScalesByIndexAndTakesTheColours) {
    Bitmap8 from = MakeBitmap8(3, 2);
    from.pixels = {1, 2, 3, 4, 5, 6};
    from.colours[4] = 200;
    Bitmap8 to = MakeBitmap8(6, 4);
    StretchInto(from, to);
    EXPECT_EQ(to.pixels, (std::vector<std::uint8_t>{1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3,
                                                    4, 4, 5, 5, 6, 6, 4, 4, 5, 5, 6, 6}));
    EXPECT_EQ(to.colours, from.colours);

    Bitmap8 shrunk = MakeBitmap8(1, 1);
    StretchInto(to, shrunk);
    EXPECT_EQ(shrunk.At(0, 0), 1);
}

TEST(Bitmap8Files, SavedPicturesReadBackIndexForIndexAtOddWidths) {
    test::TempDir dir;
    for (const int width : {1, 74, 75, 256, 257}) {
        Bitmap8 picture = MakeBitmap8(width, 5);
        for (std::size_t i = 0; i < picture.pixels.size(); ++i)
            picture.pixels[i] = static_cast<std::uint8_t>(i * 13);
        for (std::size_t i = 0; i < picture.colours.size(); ++i)
            picture.colours[i] = i % 4 == 3 ? 0 : static_cast<std::uint8_t>(255 - i);
        const std::string path = dir.str() + "/p.bmp";
        SaveBmpFile(picture, path);
        const Bitmap8 back = LoadBmpFile(path);
        EXPECT_EQ(back.width, width);
        EXPECT_EQ(back.height, 5);
        EXPECT_EQ(back.pixels, picture.pixels) << width;
        EXPECT_EQ(back.colours, picture.colours) << width;
        EXPECT_EQ(test::ReadFileBytes(path), EncodeBmp(back));
    }
    EXPECT_THROW(SaveBmpFile(MakeBitmap8(4, 4), dir.str() + "/missing/p.bmp"), GraphicError);
    EXPECT_THROW(SaveBmpFile(Bitmap8{}, dir.str() + "/empty.bmp"), GraphicError);
    EXPECT_FALSE(std::filesystem::exists(dir.str() + "/empty.bmp"));
}

TEST(Bitmap8Files, CopyRectLeavesOutWhatFallsOutsideEitherPicture) {
    Bitmap8 from = MakeBitmap8(4, 4);
    for (std::size_t i = 0; i < from.pixels.size(); ++i)
        from.pixels[i] = static_cast<std::uint8_t>(i + 1);
    Bitmap8 to = MakeBitmap8(3, 3);
    CopyRect(from, 2, 2, to, 1, 1, 74, 15);
    EXPECT_EQ(to.pixels, (std::vector<std::uint8_t>{0, 0, 0, 0, 11, 12, 0, 15, 16}));
    Bitmap8 empty;
    CopyRect(empty, 0, 0, to, 0, 0, 74, 15);
    CopyRect(from, 0, 0, empty, 0, 0, 74, 15);
    EXPECT_EQ(to.At(1, 1), 11);
}

} // namespace
} // namespace psn
