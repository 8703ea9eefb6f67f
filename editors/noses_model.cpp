// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/noses_model.h"

#include "core/record_map.h"
#include "editors/lineup.h"

namespace psn {

std::vector<std::string> NosesModel::TeamNames() const {
    std::vector<std::string> names;
    for (const int team : rows_.Teams())
        names.push_back(record_.str(rec::TeamName(team), rec::kTeamNameCapacity));
    return names;
}

bool NosesModel::Raised(int team) const {
    return record_.u8(rec::kNoseCones + team - 1) == 1;
}

void NosesModel::SetRaised(int team, bool raised) {
    if (team >= 1 && team <= kTeamCount)
        record_.setU8(rec::kNoseCones + team - 1, raised ? 1 : 0);
}

} // namespace psn
