// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

TEST(SettingsRecord, WordsAreLittleEndianAndStringsAreCutToCapacity) {
    SettingsRecord record;
    record.setU16(rec::kPitSpeed, 0x1234);
    EXPECT_EQ(record.u8(rec::kPitSpeed), 0x34);
    EXPECT_EQ(record.u8(rec::kPitSpeed + 1), 0x12);
    record.setS16(rec::kCameras, -2);
    EXPECT_EQ(record.u16(rec::kCameras), 0xFFFE);

    record.setStr(rec::TeamName(14), rec::kTeamNameCapacity, "A very long team name");
    EXPECT_EQ(record.u8(rec::TeamName(14)), 13);
    EXPECT_EQ(record.str(rec::TeamName(14), rec::kTeamNameCapacity), "A very long t");
    // A stored length above the capacity never reads past the field.
    record.setU8(rec::TeamName(1), 200);
    EXPECT_EQ(record.str(rec::TeamName(1), rec::kTeamNameCapacity).size(), 13u);
    EXPECT_EQ(rec::DriverName(40) + rec::kDriverNameStride, rec::kTeamNames);
    EXPECT_EQ(rec::SlotNumber(40) + 2, rec::kEnginePowerQual);
}

} // namespace
} // namespace psn
