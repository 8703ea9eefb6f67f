// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The car tuning window's rules: the two car weights within the sliders' range, the RPM lights'
// colours and speeds, the fuel loads in laps and the switches. A typed value arrives as parsed
// or not (std::nullopt); what is kept is what the window shows again.
#pragma once

#include "editors/tuning_blocks.h"

#include <optional>

namespace psn {

constexpr int kMaxWeight = 10000;

class TuningModel {
public:
    explicit TuningModel(SettingsRecord& record) : record_(record) {}

    int HumanWeight() const;
    int ComputerWeight() const;
    void SetHumanWeight(int pounds);
    void SetComputerWeight(int pounds);
    // Brings a weight above the sliders' end down to it, so that the boxes never show a weight
    // the slider cannot hold.
    void ClampWeights();

    // 1 green, 2 yellow, 3 red; another number from a file shows the light unlit.
    int LightColour(int light) const;
    void SetLightColour(int light, int colour);
    std::int32_t LightSpeedRpm(int light) const;
    // Text that is not a number keeps the shown speed, stored again as the game counts it.
    void EnterLightSpeed(int light, std::optional<std::int32_t> rpm);

    int PracticeFuelLaps() const;
    int QualifyingFuelLaps() const;
    // The low 8 bits of the laps; text that is not a number keeps the load.
    void EnterPracticeFuel(std::optional<std::int32_t> laps);
    void EnterQualifyingFuel(std::optional<std::int32_t> laps);

    // A switch is on only as 1, the value that an export writes as on.
    bool SwitchOn(std::size_t offset) const;
    void SetSwitch(std::size_t offset, bool on);

private:
    SettingsRecord& record_;
};

} // namespace psn
