// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Block operations. Cockpit colours, from the game executable or the save-state file.
// They need the game files open and leave them open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

namespace psn {

void ReadCockpitColoursExe(AppState& state);
void WriteCockpitColoursExe(AppState& state);
void ReadCockpitColoursState(AppState& state);
void WriteCockpitColoursState(AppState& state);

} // namespace psn
