// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/failures_model.h"
#include "editors/noses_model.h"
#include "support/team_record.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

using test::Teams;

TEST(TeamRows, RowsStandForTheTeamsThatTakePart) {
    struct Case {
        std::vector<int> inUse;
        std::vector<int> teams;
    };
    const std::vector<Case> cases = {{{}, {}}, {{1, 2, 3}, {1, 2, 3}}, {{2, 5, 14}, {2, 5, 14}}};
    for (const Case& c : cases) {
        TeamRows rows;
        rows.Map(Teams(c.inUse));
        EXPECT_EQ(rows.Teams(), c.teams);
        for (int row = 1; row <= rows.Count(); ++row)
            EXPECT_EQ(rows.Team(row), c.teams[static_cast<std::size_t>(row) - 1]);
        EXPECT_EQ(rows.Team(0), 0);
        EXPECT_EQ(rows.Team(rows.Count() + 1), 0);
    }
}

TEST(FailuresModel, EditsTheTeamOfTheSelectedRowAndStepsEveryTeam) {
    SettingsRecord record = Teams({3, 7});
    for (int team = 1; team <= 20; ++team)
        record.setU16(rec::Failure(team), static_cast<std::uint16_t>(1000 * team));
    FailuresModel model(record);
    model.MapRows();
    EXPECT_EQ(model.SelectedTeam(), 3);
    model.SelectRow(2);
    model.SetSelectedValue(65535);
    EXPECT_EQ(record.u16(rec::Failure(7)), 65535) << "row 2 stands for team 7, not team 2";
    EXPECT_EQ(record.u16(rec::Failure(2)), 2000);

    struct Case {
        int sign;
        std::int64_t step;
        std::uint16_t team1, team7, team14;
    };
    const std::vector<Case> cases = {
        {+1, 500, 1500, 65535, 14500}, // the top holds
        {-1, 2000, 0, 63535, 12500},   // no wrap below 0
        {-1, -3000, 3000, 65535, 15500},
    };
    for (const Case& c : cases) {
        model.StepAll(c.sign, c.step);
        EXPECT_EQ(record.u16(rec::Failure(1)), c.team1) << "team 1 takes no part, steps anyway";
        EXPECT_EQ(record.u16(rec::Failure(7)), c.team7);
        EXPECT_EQ(record.u16(rec::Failure(14)), c.team14);
    }
    EXPECT_EQ(record.u16(rec::Failure(15)), 15000) << "beyond the 14 teams";

    SettingsRecord none = Teams({});
    FailuresModel empty(none);
    empty.MapRows();
    const SettingsRecord before = none;
    empty.SetSelectedValue(5);
    EXPECT_EQ(none, before) << "no team takes part: nothing to edit";
}

TEST(NosesModel, RaisedOnlyAsOneAndNeverForTheTeamOfNoRow) {
    SettingsRecord record = Teams({4, 9});
    NosesModel model(record);
    model.MapRows();
    EXPECT_EQ(model.TeamNames(), (std::vector<std::string>{"T4", "T9"}));
    const std::vector<std::pair<std::uint8_t, bool>> stored = {
        {0, false}, {1, true}, {2, false}, {255, false}};
    for (const auto& [byte, raised] : stored) {
        record.setU8(rec::kNoseCones + 3, byte);
        EXPECT_EQ(model.Raised(4), raised) << int(byte);
    }
    model.SetRaised(model.Rows().Team(2), true);
    EXPECT_EQ(record.u8(rec::kNoseCones + 8), 1);
    const SettingsRecord before = record;
    model.SetRaised(model.Rows().Team(3), true);
    EXPECT_EQ(record, before);
}

} // namespace
} // namespace psn
