// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A record whose line-up the list windows' models can show without a game.
#pragma once

#include "core/record.h"

#include <string>
#include <vector>

namespace psn::test {

// Teams 1..14 named T1..T14; those listed take part.
inline SettingsRecord Teams(const std::vector<int>& inUse) {
    SettingsRecord record;
    for (int team = 1; team <= 14; ++team)
        record.setStr(rec::TeamName(team), rec::kTeamNameCapacity,
                      std::string("T").append(std::to_string(team)));
    for (const int team : inUse)
        record.setU8(rec::TeamInUse(team), 1);
    return record;
}

} // namespace psn::test
