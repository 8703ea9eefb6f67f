// Block operations. The track block: tyre table in the executable, set-up and fuel in the 16 track
// files. They need the game files open and leave them open; a failed transfer raises
// FileAccessError.
#pragma once

#include "core/app_state.h"

namespace psn {

void ReadTrackData(AppState& state);
void WriteTrackData(AppState& state);

} // namespace psn
