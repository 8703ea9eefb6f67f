// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Block operations. Names and numbers: car numbers, team, engine and driver names, first-driver
// switch. They need the game files open and leave them open; a failed transfer raises
// FileAccessError.
#pragma once

#include "core/app_state.h"

namespace psn {

void ReadNamesExe(AppState& state);
void WriteNamesExe(AppState& state);
void ReadNamesState(AppState& state);
void WriteNamesState(AppState& state);

} // namespace psn
