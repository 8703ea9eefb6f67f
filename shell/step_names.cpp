// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/step_names.h"

#include "shell/record_fields_table.h"

namespace psn {

std::string StepName(const SettingsRecord& before, const SettingsRecord& after) {
    const auto differences = fields::Compare(before, after, {}, false);
    if (differences.empty())
        return "Change";
    const fields::GroupInfo& info = fields::Info(differences.front().field->group);
    std::string name = *info.window ? info.window : info.key;
    name += ": " + differences.front().label;
    if (differences.size() > 1)
        name += " and " + std::to_string(differences.size() - 1) + " more";
    return name;
}

bool SameInGame(const SettingsRecord& a, const SettingsRecord& b) {
    return a == b || fields::Compare(a, b, {}, true).empty();
}

bool CopyWindowFields(SettingsRecord& target, const SettingsRecord& source,
                      std::string_view window) {
    bool found = false;
    for (const fields::GroupInfo& info : fields::Groups()) {
        if (!*info.window || window != info.window)
            continue;
        found = true;
        for (const fields::Field& field : fields::Fields())
            if (field.group == info.group)
                field.set(target, field.get(source));
    }
    return found;
}

} // namespace psn
