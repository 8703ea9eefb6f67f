// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/pitline_model.h"
#include "support/team_record.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

using test::Teams;

TEST(PitLineModel, ListsPositionsOfTeamsThatTakePartAndExchangesTheirTeams) {
    SettingsRecord record = Teams({1, 2, 5, 6});
    // Positions 1..6 hold teams 5, 0 (none), 2, 3 (no part), 15 (no team), 1; the rest team 6.
    const std::uint8_t order[14] = {5, 0, 2, 3, 15, 1, 6, 6, 6, 6, 6, 6, 6, 6};
    for (int p = 0; p < 14; ++p)
        record.setU8(rec::kPitOrder + p, order[p]);
    PitLineModel model(record);
    model.MapRows();
    ASSERT_EQ(model.RowCount(), 11);
    EXPECT_EQ(model.Position(0), 1);
    EXPECT_EQ(model.Position(1), 3);
    EXPECT_EQ(model.Position(2), 6);
    const std::vector<std::string> names = model.TeamNames();
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 3),
              (std::vector<std::string>{"T5", "T2", "T1"}));

    struct Case {
        int row, otherRow;
        bool exchanged;
    };
    const std::vector<Case> cases = {
        {0, 2, true}, {1, 1, false}, {-1, 0, false}, {0, 11, false}, {2, 0, true}};
    for (const Case& c : cases) {
        const SettingsRecord before = record;
        EXPECT_EQ(model.Exchange(c.row, c.otherRow), c.exchanged) << c.row << "," << c.otherRow;
        if (!c.exchanged) {
            EXPECT_EQ(record, before);
        }
    }
    model.Exchange(1, 10);
    EXPECT_EQ(record.u8(rec::kPitOrder + 2), 6);
    EXPECT_EQ(record.u8(rec::kPitOrder + 13), 2);
    EXPECT_EQ(record.u8(rec::kPitOrder + 1), 0) << "positions without a row stay";
    EXPECT_EQ(record.u8(rec::kPitOrder + 3), 3);
}

TEST(PitLineModel, TheSliderHoldsHalfTheRawSpeed) {
    SettingsRecord record;
    PitLineModel model(record);
    const std::vector<std::pair<std::uint16_t, int>> cases = {
        {0, 0}, {1, 0}, {2, 1}, {32767, 16383}, {65535, 32767}};
    for (const auto& [raw, position] : cases) {
        record.setU16(rec::kPitSpeed, raw);
        EXPECT_EQ(model.SliderPosition(), position) << raw;
        model.SetSliderPosition(model.SliderPosition());
        EXPECT_EQ(record.u16(rec::kPitSpeed), raw & ~1) << "an odd speed becomes the even below";
    }
    for (const std::uint8_t byte : {0, 1, 2}) {
        record.setU8(rec::kSpeedCheckSwitch, byte);
        EXPECT_EQ(model.SpeedCheck(), byte == 1);
    }
}

} // namespace
} // namespace psn
