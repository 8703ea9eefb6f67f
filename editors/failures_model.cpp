// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/failures_model.h"

#include "core/record_map.h"
#include "editors/lineup.h"

namespace psn {

FailuresModel::FailuresModel(SettingsRecord& record)
    : SessionTables(record, {{rec::Failure, kFailureMax}}) {}

void FailuresModel::MapRows() {
    rows_.Map(record_);
    selected_ = 1;
}

void FailuresModel::SetSelectedValue(std::uint16_t value) {
    if (const int team = SelectedTeam())
        SetValue(team, value);
}

// Every team, taking part or not, as the sliders show them all.
void FailuresModel::StepAll(int sign, std::int64_t step) {
    std::vector<int> teams;
    for (int team = 1; team <= kTeamCount; ++team)
        teams.push_back(team);
    Step(teams, sign, step);
}

} // namespace psn
