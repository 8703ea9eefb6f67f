// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Block operations. Grip of the computer cars: session grip and random grip range.
// They need the game files open and leave them open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

namespace psn {

void ReadGrip(AppState& state);
void WriteGrip(AppState& state);
void ReadGripRange(AppState& state);
void WriteGripRange(AppState& state);

} // namespace psn
