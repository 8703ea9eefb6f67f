#include "graphics/pitcrew_blocks.h"

namespace psn {

// Not built yet.
void ReadPitCrewColours(AppState&) {}
void WritePitCrewColours(AppState&) {}

} // namespace psn
