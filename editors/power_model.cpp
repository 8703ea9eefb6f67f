// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/power_model.h"

#include "core/record_map.h"
#include "editors/lineup.h"

namespace psn {
namespace {

constexpr int kQualification = 1;
constexpr int kOther = 2;

std::vector<int> AllTeams() {
    std::vector<int> teams;
    for (int team = 1; team <= kTeamCount; ++team)
        teams.push_back(team);
    return teams;
}

} // namespace

PowerModel::PowerModel(SettingsRecord& record)
    : SessionTables(record,
                    {{rec::EnginePowerQual, kPowerMax}, {rec::EnginePowerOther, kPowerMax}}) {}

void PowerModel::ClampAll() {
    for (const int table : {kQualification, kOther})
        for (const int team : AllTeams())
            if (const std::size_t entry = At(table).entry(team); record_.u16(entry) > kPowerMax)
                record_.setU16(entry, kPowerMax);
}

void PowerModel::StepAll(int sign, std::int64_t step) {
    Step(AllTeams(), sign, step);
}

void PowerModel::CopyQualToOther() {
    Copy(kQualification, kOther, AllTeams());
}

void PowerModel::CopyOtherToQual() {
    Copy(kOther, kQualification, AllTeams());
}

std::uint16_t PowerModel::HumanPower() const {
    return record_.u16(Chosen() == kQualification ? rec::kHumanPowerQual : rec::kHumanPowerOther);
}

void PowerModel::SetHumanPower(std::uint16_t value) {
    record_.setU16(Chosen() == kQualification ? rec::kHumanPowerQual : rec::kHumanPowerOther,
                   value);
}

bool PowerModel::RandomPower() const {
    return record_.u8(rec::kRandomPowerSwitch) != 0;
}

void PowerModel::SetRandomPower(bool on) {
    record_.setU8(rec::kRandomPowerSwitch, on ? 1 : 0);
}

} // namespace psn
