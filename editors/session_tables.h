// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the engine power and grip windows share: one 16-bit word per key (a team, a car number) in
// each of a few tables, one table chosen for editing, its words stepped together, and one
// session's table copied onto another's.
#pragma once

#include "core/record.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace psn {

class SessionTables {
public:
    struct Table {
        std::size_t (*entry)(int key);
        int maximum;
    };

    SessionTables(SettingsRecord& record, std::vector<Table> tables);

    // Tables count from 1, as the windows' choices do; another number chooses the last one.
    void Choose(int table);
    int Chosen() const { return chosen_; }
    int Maximum() const;

    std::uint16_t Value(int key) const;
    void SetValue(int key, std::uint16_t value);

    // Each key's word in the chosen table moved by `sign` times `step` and kept within
    // 0..Maximum(); a key listed twice moves twice.
    void Step(const std::vector<int>& keys, int sign, std::int64_t step);
    void Copy(int fromTable, int toTable, const std::vector<int>& keys);

protected:
    const Table& At(int table) const;

    SettingsRecord& record_;

private:
    std::vector<Table> tables_;
    int chosen_ = 1;
};

} // namespace psn
