// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Block operations. Camera rows.
// They need the game files open and leave them open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

namespace psn {

void ReadCameras(AppState& state);
void WriteCameras(AppState& state);

} // namespace psn
