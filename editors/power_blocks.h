// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Block operations. Engine power of the teams and of the human driver, and the random engine power
// switch. They need the game files open and leave them open; a failed transfer raises
// FileAccessError.
#pragma once

#include "core/app_state.h"

namespace psn {

void ReadEnginePower(AppState& state);
void WriteEnginePower(AppState& state);
void ReadHumanPower(AppState& state);
void WriteHumanPower(AppState& state);

} // namespace psn
