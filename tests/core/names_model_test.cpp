// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/names_model.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

TEST(NamesModel, EditsTheRememberedTeamAndOnlyNamedNumbers) {
    SettingsRecord record;
    NamesModel model(record);
    for (const auto& [asked, edited] :
         std::vector<std::pair<int, int>>{{5, 5}, {14, 14}, {0, 1}, {15, 1}}) {
        model.EditTeam(asked);
        EXPECT_EQ(model.EditedTeam(), edited) << asked;
    }
    model.EditTeam(3);
    model.SetTeamField(rec::EngineName, "A name longer than the field");
    EXPECT_EQ(model.TeamField(rec::EngineName, 3).size(), rec::kTeamNameCapacity);
    EXPECT_EQ(model.TeamField(rec::EngineName, 1), "");

    struct Case {
        std::uint8_t stored;
        int index;
        bool named;
    };
    const std::vector<Case> cases = {
        {1, 0, true}, {40, 39, true}, {0, -1, false}, {41, -1, false}, {128, -1, false}};
    for (const Case& c : cases) {
        record.setU8(rec::SlotNumber(5), c.stored);
        EXPECT_EQ(model.NumberIndex(5), c.index) << int(c.stored);
        const SettingsRecord before = record;
        model.SetDriverName(5, "Typed");
        if (c.named) {
            EXPECT_EQ(record.str(rec::DriverName(c.stored), rec::kDriverNameCapacity), "Typed");
        } else {
            EXPECT_EQ(record, before) << "a driver without a number keeps nothing typed";
        }
    }

    model.ChooseNumber(6, 11);
    EXPECT_EQ(record.u8(rec::SlotNumber(6)), 12);
    model.ChooseNumber(6, -1); // a box with no entry chosen
    model.ChooseNumber(6, 40);
    EXPECT_EQ(record.u8(rec::SlotNumber(6)), 12);
    record.setU8(rec::SlotMark(6), 0);
    model.SetSlotMark(6, true);
    EXPECT_EQ(record.u8(rec::SlotNumber(6)), 12) << "the mark sits beside the number";
    EXPECT_EQ(record.u8(rec::SlotMark(6)), 1);
}

} // namespace
} // namespace psn
