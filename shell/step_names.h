// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the undo history needs to know of the record's fields: a step's name from the fields it
// changed, and which fields a window imports from or exports into the game.
#pragma once

#include "core/record.h"

#include <string>
#include <string_view>

namespace psn {

// "Engine power: team 3 qualification", with "and N more" when more fields changed; "Change"
// when no listed field did.
std::string StepName(const SettingsRecord& before, const SettingsRecord& after);

// Whether two records hold the same values for the game: the description and unused bytes aside.
bool SameInGame(const SettingsRecord& a, const SettingsRecord& b);

// Copies into `target` every field that the window captioned `window` edits, from `source`.
// Returns false when no group of fields belongs to that window.
[[nodiscard]] bool CopyWindowFields(SettingsRecord& target, const SettingsRecord& source,
                                    std::string_view window);

} // namespace psn
