// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rows of a list of the teams that take part. Each row keeps the team it stands for, so the
// rows after a team that does not take part edit their own team.
#pragma once

#include "core/record.h"

#include <vector>

namespace psn {

class TeamRows {
public:
    void Map(const SettingsRecord& record);
    const std::vector<int>& Teams() const { return teams_; }
    int Count() const { return static_cast<int>(teams_.size()); }
    // The team of a row counted from 1; 0 for a row that is not there.
    int Team(int row) const;

private:
    std::vector<int> teams_;
};

} // namespace psn
