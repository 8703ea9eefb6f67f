// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/team_rows.h"

#include "editors/lineup.h"

namespace psn {

void TeamRows::Map(const SettingsRecord& record) {
    teams_ = TeamsInUse(record);
}

int TeamRows::Team(int row) const {
    return row >= 1 && row <= Count() ? teams_[static_cast<std::size_t>(row) - 1] : 0;
}

} // namespace psn
