// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Block operations. Pit line: pit order, speed check switch and pit speed.
// They need the game files open and leave them open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

#include <cstdint>

namespace psn {

void ReadPitOrder(AppState& state);
void WritePitOrder(AppState& state);
void ReadSpeedCheck(AppState& state);
void WriteSpeedCheck(AppState& state);
void ReadPitSpeed(AppState& state);
void WritePitSpeed(AppState& state);

inline constexpr int kPitPositions = 14;

struct PitSpeed {
    unsigned kph;
    unsigned mph;
};

// The game's raw pit speed in kilometres and miles per hour, truncated at each step as the game
// computes it.
PitSpeed PitSpeedUnits(std::uint16_t raw);

} // namespace psn
