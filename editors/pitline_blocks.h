// Block operations. Pit line: pit order, speed check switch and pit speed.
// They need the game files open and leave them open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

namespace psn {

void ReadPitOrder(AppState& state);
void WritePitOrder(AppState& state);
void ReadSpeedCheck(AppState& state);
void WriteSpeedCheck(AppState& state);
void ReadPitSpeed(AppState& state);
void WritePitSpeed(AppState& state);

} // namespace psn
