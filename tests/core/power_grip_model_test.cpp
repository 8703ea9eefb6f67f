// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/grip_model.h"
#include "editors/power_model.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

constexpr int kQual = 1;
constexpr int kOther = 2;
constexpr int kRange = 3;

TEST(PowerModel, StepsTheChosenSessionWithinItsRange) {
    struct Case {
        int session;
        std::uint16_t before;
        int sign;
        std::int64_t step;
        std::uint16_t after;
    };
    const std::vector<Case> cases = {
        {kQual, 1500, +1, 100, kPowerMax}, // stops at the end
        {kQual, 50, -1, 100, 0},           // does not wrap below 0
        {kOther, 700, +1, 100, 800},
        {kOther, 700, -1, -100, 800},        // a negative step moves the other way
        {kQual, 2000, -1, 100, 1900},        // above the end: a step down leaves it above
        {kQual, 2000, +1, 0, kPowerMax},     // a zero step up still brings it to the end
        {kQual, 100, +1, 100000, kPowerMax}, // a step wider than a word
    };
    for (const Case& c : cases) {
        SettingsRecord record;
        PowerModel model(record);
        const std::size_t other =
            c.session == kQual ? rec::EnginePowerOther(3) : rec::EnginePowerQual(3);
        record.setU16(other, 1234);
        model.Choose(c.session);
        for (int team = 1; team <= 14; ++team)
            model.SetValue(team, c.before);
        model.StepAll(c.sign, c.step);
        for (int team = 1; team <= 14; ++team)
            EXPECT_EQ(model.Value(team), c.after) << c.before << " by " << c.sign * c.step;
        EXPECT_EQ(record.u16(other), 1234) << "the other session stays";
        EXPECT_EQ(record.u16(rec::EnginePowerQual(15)), 0) << "unused team words stay";
    }
}

TEST(PowerModel, ClampsBothSessionsAndCopiesOneOntoTheOther) {
    SettingsRecord record;
    PowerModel model(record);
    for (int team = 1; team <= 14; ++team) {
        record.setU16(rec::EnginePowerQual(team), static_cast<std::uint16_t>(team * 150));
        record.setU16(rec::EnginePowerOther(team), static_cast<std::uint16_t>(2000 + team));
    }
    record.setU16(rec::EnginePowerQual(16), 60000); // beyond the shown teams: left as it is
    model.ClampAll();
    for (int team = 1; team <= 14; ++team) {
        EXPECT_EQ(record.u16(rec::EnginePowerQual(team)), std::min(team * 150, kPowerMax));
        EXPECT_EQ(record.u16(rec::EnginePowerOther(team)), kPowerMax);
    }
    EXPECT_EQ(record.u16(rec::EnginePowerQual(16)), 60000);

    model.CopyQualToOther();
    for (int team = 1; team <= 14; ++team)
        EXPECT_EQ(record.u16(rec::EnginePowerOther(team)), record.u16(rec::EnginePowerQual(team)));
    record.setU16(rec::EnginePowerOther(5), 77);
    model.CopyOtherToQual();
    EXPECT_EQ(record.u16(rec::EnginePowerQual(5)), 77);
}

TEST(PowerModel, HumanPowerFollowsTheChosenSession) {
    SettingsRecord record;
    PowerModel model(record);
    record.setU16(rec::kHumanPowerQual, 700);
    record.setU16(rec::kHumanPowerOther, 650);
    const std::vector<std::pair<int, std::uint16_t>> cases = {
        {kQual, 700}, {kOther, 650}, {0, 650}, {7, 650}};
    for (const auto& [session, shown] : cases) {
        model.Choose(session);
        EXPECT_EQ(model.HumanPower(), shown) << session;
    }
    model.Choose(kQual);
    model.SetHumanPower(9999); // the human's horsepower has no end
    EXPECT_EQ(record.u16(rec::kHumanPowerQual), 9999);
    EXPECT_EQ(record.u16(rec::kHumanPowerOther), 650);
    model.SetRandomPower(true);
    EXPECT_EQ(record.u8(rec::kRandomPowerSwitch), 1);
    record.setU8(rec::kRandomPowerSwitch, 0xE8);
    EXPECT_TRUE(model.RandomPower());
}

// Slots 1..6: numbers 5, 0 (no driver), 41 (no grip entries), 7, 5 again, 9.
SettingsRecord Lineup() {
    SettingsRecord record;
    const int numbers[] = {5, 0, 41, 7, 5, 9};
    for (int slot = 1; slot <= 6; ++slot)
        record.setU8(rec::SlotNumber(slot), static_cast<std::uint8_t>(numbers[slot - 1]));
    for (int number = 1; number <= 40; ++number) {
        record.setStr(rec::DriverName(number), rec::kDriverNameCapacity,
                      std::string("D").append(std::to_string(number)));
        record.setU16(rec::GripQual(number), static_cast<std::uint16_t>(100 + number));
        record.setU16(rec::GripOther(number), static_cast<std::uint16_t>(200 + number));
        record.setU16(rec::GripRange(number), static_cast<std::uint16_t>(300 + number));
    }
    return record;
}

TEST(GripModel, RowsSkipSlotsWithoutGripEntries) {
    SettingsRecord record = Lineup();
    GripModel model(record);
    model.MapRows();
    EXPECT_EQ(model.DriverNames(1), (std::vector<std::string>{"D5", "D5"})); // slots 1, 5
    EXPECT_EQ(model.DriverNames(2), (std::vector<std::string>{"D7", "D9"})); // slots 4, 6
    EXPECT_EQ(model.SelectedRow(1), 1);
    EXPECT_EQ(model.SelectedRow(2), 0);

    struct Case {
        int list, row, table, number;
        std::uint16_t value;
    };
    const std::vector<Case> cases = {
        {1, 1, kQual, 5, 105}, {2, 1, kOther, 7, 207}, {2, 2, kRange, 9, 309},
        {1, 2, kQual, 5, 105}, {2, 3, kQual, 0, 0},    {1, 0, kQual, 0, 0},
    };
    for (const Case& c : cases) {
        model.Choose(c.table);
        model.SelectRow(c.list, c.row);
        EXPECT_EQ(model.SelectedRow(c.list == 1 ? 2 : 1), 0) << "one list holds the selection";
        EXPECT_EQ(model.SelectedNumber(), c.number) << c.list << "/" << c.row;
        if (c.number) {
            EXPECT_EQ(model.Value(c.number), c.value);
        }
    }
    model.Choose(kOther);
    EXPECT_EQ(model.Values(2), (std::vector<std::uint16_t>{207, 209}));
}

TEST(GripModel, EditsOnlyWithinTheChosenTablesRange) {
    struct Case {
        int table;
        std::int64_t typed;
        std::uint16_t stored;
    };
    const std::vector<Case> cases = {
        {kQual, 17016, 17016}, {kQual, 17017, 107},    {kQual, -1, 107},
        {kOther, 0, 0},        {kRange, 32767, 32767}, {kRange, 32768, 307},
    };
    for (const Case& c : cases) {
        SettingsRecord record = Lineup();
        GripModel model(record);
        model.MapRows();
        model.SelectRow(2, 1); // number 7
        model.Choose(c.table);
        model.SetSelectedValue(c.typed);
        EXPECT_EQ(model.Value(7), c.stored) << c.table << ": " << c.typed;
    }
    SettingsRecord record = Lineup();
    GripModel model(record);
    model.MapRows();
    model.SelectRow(1, 0);
    const SettingsRecord before = record;
    model.SetSelectedValue(10);
    EXPECT_EQ(record, before) << "no row, no edit";
}

TEST(GripModel, StepsAndCopiesEveryNumberInASlot) {
    SettingsRecord record = Lineup();
    GripModel model(record);
    model.MapRows();
    model.Choose(kQual);
    model.StepAll(+1, 1000);
    EXPECT_EQ(record.u16(rec::GripQual(5)), 2105) << "two slots, stepped twice";
    EXPECT_EQ(record.u16(rec::GripQual(7)), 1107);
    EXPECT_EQ(record.u16(rec::GripQual(9)), 1109);
    EXPECT_EQ(record.u16(rec::GripQual(8)), 108) << "in no slot";
    EXPECT_EQ(record.u16(rec::GripOther(7)), 207);

    model.Choose(kRange);
    model.StepAll(+1, 40000);
    EXPECT_EQ(record.u16(rec::GripRange(7)), kGripRangeMax);
    model.StepAll(-1, 40000);
    EXPECT_EQ(record.u16(rec::GripRange(7)), 0);

    model.CopyQualToOther();
    EXPECT_EQ(record.u16(rec::GripOther(7)), 1107);
    EXPECT_EQ(record.u16(rec::GripOther(8)), 208);
    record.setU16(rec::GripOther(9), 4);
    model.CopyOtherToQual();
    EXPECT_EQ(record.u16(rec::GripQual(9)), 4);
    EXPECT_EQ(record.u16(rec::GripRange(9)), 0) << "the range table is no session";
}

TEST(GripModel, TheSelectionFollowsANumberChangedAfterMapping) {
    SettingsRecord record = Lineup();
    GripModel model(record);
    model.MapRows();
    model.SelectRow(2, 1);
    record.setU8(rec::SlotNumber(4), 12);
    EXPECT_EQ(model.SelectedNumber(), 12);
    for (const int number : {0, 41, 128}) {
        record.setU8(rec::SlotNumber(4), static_cast<std::uint8_t>(number));
        const SettingsRecord before = record;
        model.SetSelectedValue(10);
        EXPECT_EQ(model.SelectedNumber(), 0) << number;
        EXPECT_EQ(record, before) << "nothing written beside the tables for " << number;
    }
}

} // namespace
} // namespace psn
