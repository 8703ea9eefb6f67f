// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/tuning_model.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

TEST(TuningModel, WeightsAboveTheSliderComeDownToItsEnd) {
    const std::vector<std::pair<std::uint16_t, int>> cases = {
        {0, 0}, {10000, 10000}, {10001, 10000}, {65535, 10000}};
    for (const auto& [stored, kept] : cases) {
        SettingsRecord record;
        TuningModel model(record);
        record.setU16(rec::kHumanWeight, stored);
        record.setU16(rec::kComputerWeight, 600);
        model.ClampWeights();
        EXPECT_EQ(model.HumanWeight(), kept) << stored;
        EXPECT_EQ(model.ComputerWeight(), 600);
    }
}

TEST(TuningModel, TypedNumbersAreStoredAsTheGameCountsThem) {
    SettingsRecord record;
    TuningModel model(record);
    struct Case {
        std::optional<std::int32_t> typed;
        std::int32_t shown;
    };
    // Light speeds count above 6154 in 16 bits; text that is no number keeps what was shown.
    const std::vector<Case> speeds = {
        {9000, 9000}, {6154, 6154}, {6000, 6154}, {std::nullopt, 6154}, {6154 + 65536 + 5, 6159}};
    for (const Case& c : speeds) {
        model.EnterLightSpeed(2, c.typed);
        EXPECT_EQ(model.LightSpeedRpm(2), c.shown) << c.typed.value_or(-1);
    }
    const std::vector<Case> practice = {{3, 3}, {std::nullopt, 3}, {256 + 7, 7}, {-1, 255}};
    for (const Case& c : practice) {
        model.EnterPracticeFuel(c.typed);
        EXPECT_EQ(model.PracticeFuelLaps(), c.shown) << c.typed.value_or(-1);
    }
    // The qualifying load is stored one lap less; 0 laps wraps to 256.
    const std::vector<Case> qualifying = {{5, 5}, {1, 1}, {std::nullopt, 1}, {0, 256}};
    for (const Case& c : qualifying) {
        model.EnterQualifyingFuel(c.typed);
        EXPECT_EQ(model.QualifyingFuelLaps(), c.shown) << c.typed.value_or(-1);
    }
    for (const std::uint8_t byte : {0, 1, 2, 255}) {
        record.setU8(rec::kFuelDisplaySwitch, byte);
        EXPECT_EQ(model.SwitchOn(rec::kFuelDisplaySwitch), byte == 1) << int(byte);
    }
    model.SetLightColour(0, 3);
    EXPECT_EQ(record.u8(LightColour(0)), 3);
    EXPECT_EQ(model.LightColour(1), 0);
}

} // namespace
} // namespace psn
