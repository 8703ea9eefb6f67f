// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The car failure window's rules: one failure value per team, the teams that take part listed
// with one row selected, and all 14 teams stepped together within 0..65535.
#pragma once

#include "editors/session_tables.h"
#include "editors/team_rows.h"

namespace psn {

constexpr int kFailureMax = 65535;

class FailuresModel : public SessionTables {
public:
    explicit FailuresModel(SettingsRecord& record);

    // Lists the teams that take part again and selects the first row.
    void MapRows();
    const TeamRows& Rows() const { return rows_; }
    int SelectedRow() const { return selected_; } // counts from 1
    void SelectRow(int row) { selected_ = row; }
    int SelectedTeam() const { return rows_.Team(selected_); } // 0 when no team takes part
    // Any word is taken; nothing is stored without a selected team.
    void SetSelectedValue(std::uint16_t value);
    void StepAll(int sign, std::int64_t step);

private:
    TeamRows rows_;
    int selected_ = 1;
};

} // namespace psn
