// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/lineup.h"

namespace psn {

std::string TeamEngineLabel(const SettingsRecord& record, int team) {
    return record.str(rec::TeamName(team), rec::kTeamNameCapacity) + "-" +
           record.str(rec::EngineName(team), rec::kTeamNameCapacity);
}

bool TeamInUse(const SettingsRecord& record, int team) {
    return record.u8(rec::TeamInUse(team)) != 0;
}

std::vector<int> TeamsInUse(const SettingsRecord& record) {
    std::vector<int> teams;
    for (int team = 1; team <= kTeamCount; ++team)
        if (TeamInUse(record, team))
            teams.push_back(team);
    return teams;
}

int SlotNumber(const SettingsRecord& record, int slot) {
    return record.u8(rec::SlotNumber(slot));
}

bool SlotSelected(const SettingsRecord& record, int slot) {
    return record.u8(rec::SlotMark(slot)) != 0;
}

std::string DriverName(const SettingsRecord& record, int number) {
    if (!IsCarNumber(number))
        return {};
    return record.str(rec::DriverName(number), rec::kDriverNameCapacity);
}

} // namespace psn
