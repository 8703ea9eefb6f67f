// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A record whose every number is the widest the game can hold, for tests that look whether the
// windows show values whole.
#pragma once

#include "core/record.h"
#include "shell/record_fields_table.h"

#include <string>

namespace psn::test {

// Every number at the end of its range with the longer text (-32768, 65535); the names stay.
inline SettingsRecord WidestRecord(SettingsRecord record) {
    for (const fields::Field& field : fields::Fields()) {
        if (field.kind != fields::Kind::Number)
            continue;
        const bool low = std::to_string(field.min).size() > std::to_string(field.max).size();
        field.set(record, {low ? field.min : field.max, {}});
    }
    return record;
}

} // namespace psn::test
