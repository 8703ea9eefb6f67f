// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine power window's rules: team horsepower per session (table 1 qualification, 2 the
// other sessions), the human driver's horsepower of the chosen session and the random engine
// power switch.
#pragma once

#include "editors/session_tables.h"

namespace psn {

constexpr int kPowerMax = 1579;

class PowerModel : public SessionTables {
public:
    explicit PowerModel(SettingsRecord& record);

    // Brings every team's horsepower of both sessions down to kPowerMax.
    void ClampAll();
    // All teams of the chosen session; the result stays within 0..kPowerMax.
    void StepAll(int sign, std::int64_t step);
    void CopyQualToOther();
    void CopyOtherToQual();

    std::uint16_t HumanPower() const;
    void SetHumanPower(std::uint16_t value);
    bool RandomPower() const;
    void SetRandomPower(bool on);
};

} // namespace psn
