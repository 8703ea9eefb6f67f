// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/session_tables.h"

#include "editors/stepped_value.h"

#include <utility>

namespace psn {

SessionTables::SessionTables(SettingsRecord& record, std::vector<Table> tables)
    : record_(record), tables_(std::move(tables)) {}

const SessionTables::Table& SessionTables::At(int table) const {
    const int count = static_cast<int>(tables_.size());
    return tables_[static_cast<std::size_t>(table >= 1 && table <= count ? table : count) - 1];
}

void SessionTables::Choose(int table) {
    const int count = static_cast<int>(tables_.size());
    chosen_ = table >= 1 && table <= count ? table : count;
}

int SessionTables::Maximum() const {
    return At(chosen_).maximum;
}

std::uint16_t SessionTables::Value(int key) const {
    return record_.u16(At(chosen_).entry(key));
}

void SessionTables::SetValue(int key, std::uint16_t value) {
    record_.setU16(At(chosen_).entry(key), value);
}

void SessionTables::Step(const std::vector<int>& keys, int sign, std::int64_t step) {
    for (const int key : keys)
        SetValue(key, SteppedValue(Value(key), sign, step, Maximum()));
}

void SessionTables::Copy(int fromTable, int toTable, const std::vector<int>& keys) {
    const Table& from = At(fromTable);
    const Table& to = At(toTable);
    for (const int key : keys)
        record_.setU16(to.entry(key), record_.u16(from.entry(key)));
}

} // namespace psn
