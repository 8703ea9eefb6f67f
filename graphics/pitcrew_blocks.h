// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Block operations. Pit crew colours.
// They need the game files open and leave them open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

namespace psn {

void ReadPitCrewColours(AppState& state);
void WritePitCrewColours(AppState& state);

} // namespace psn
