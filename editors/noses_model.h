// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The nose cones window's rules: raised or lowered per team, for the teams that take part.
#pragma once

#include "editors/team_rows.h"

#include <string>

namespace psn {

class NosesModel {
public:
    explicit NosesModel(SettingsRecord& record) : record_(record) {}

    void MapRows() { rows_.Map(record_); }
    const TeamRows& Rows() const { return rows_; }
    std::vector<std::string> TeamNames() const;

    // Raised only as 1, the value an export writes as raised.
    bool Raised(int team) const;
    // Nothing is stored for team 0, the team of no row.
    void SetRaised(int team, bool raised);

private:
    SettingsRecord& record_;
    TeamRows rows_;
};

} // namespace psn
