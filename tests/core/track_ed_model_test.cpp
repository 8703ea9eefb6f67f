// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracks/track_blocks.h"
#include "tracks/track_ed_model.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace psn {
namespace {

// Typed text and what it leaves stored, starting from a stored 7.
TEST(TrackEntryModel, TypedTextKeepsItsLowBitsOrNothing) {
    struct Case {
        const char* text;
        std::optional<unsigned> asByte;
        std::optional<unsigned> asWord;
    };
    const Case cases[] = {
        {"0", 0, 0},
        {"255", 255, 255},
        {"256", 0, 256},
        {"300", 44, 300},
        {"-1", 255, 65535},
        {"65536", 0, 0},
        {"$FF", 255, 255},
        {"  12", 12, 12},
        {"12 ", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"70000", 0x70, 70000 & 0xFFFF},
    };
    for (const Case& c : cases) {
        SettingsRecord record;
        TrackEntryModel model(record);
        ASSERT_TRUE(model.ChooseTrack(5));
        for (std::size_t f = 0; f < 8; ++f)
            record.setU8(TrackEntryOffset(5, f), 7);
        record.setU16(TrackEntryOffset(5, trackentry::kFuel), 7);
        record.setU16(TrackEntryOffset(5, trackentry::kTyres), 7);

        EXPECT_EQ(model.SetByte(3, c.text), c.asByte.has_value()) << c.text;
        EXPECT_EQ(model.SetFuel(c.text), c.asWord.has_value()) << c.text;
        const auto shown = model.Values(4);
        EXPECT_EQ(shown.bytes[3], c.asByte.value_or(7)) << c.text;
        EXPECT_EQ(shown.bytes[2], 7u) << c.text;
        EXPECT_EQ(shown.fuel, c.asWord.value_or(7)) << c.text;
        EXPECT_EQ(shown.tyres, 7u) << c.text;
        EXPECT_EQ(record.u8(TrackEntryOffset(4, 3)), 0) << "another track is left alone";
    }
}

TEST(TrackEntryModel, ListRowsAndTyreTypes) {
    SettingsRecord record;
    record.setU16(TrackEntryOffset(15, trackentry::kTyres), 321);
    TrackEntryModel model(record);
    for (const int row : {-1, 16, 40}) {
        EXPECT_FALSE(model.ChooseTrack(row)) << row;
        EXPECT_EQ(model.Track(), 0) << row;
    }
    ASSERT_TRUE(model.ChooseTrack(15));
    EXPECT_EQ(model.Values(4).tyres, 321u);
    EXPECT_TRUE(model.SetTyres("$10"));
    EXPECT_EQ(record.u16(TrackEntryOffset(15, trackentry::kTyres)), 16);

    struct Case {
        int stored;
        int shown;
    };
    for (const Case& c : {Case{0, 0}, {3, 3}, {4, -1}, {52, -1}, {255, -1}}) {
        record.setU8(TrackEntryOffset(15, trackentry::kCompound),
                     static_cast<std::uint8_t>(c.stored));
        EXPECT_EQ(model.Values(4).compound, c.shown) << c.stored;
    }
    model.SetCompound(2);
    EXPECT_EQ(record.u8(TrackEntryOffset(15, trackentry::kCompound)), 2);
    model.SetCompound(-1); // no row chosen: nothing stored
    EXPECT_EQ(record.u8(TrackEntryOffset(15, trackentry::kCompound)), 2);
}

} // namespace
} // namespace psn
