#include "graphics/cockpit_blocks.h"

namespace psn {

// Not built yet.
void ReadCockpitColoursExe(AppState&) {}
void WriteCockpitColoursExe(AppState&) {}
void ReadCockpitColoursState(AppState&) {}
void WriteCockpitColoursState(AppState&) {}

} // namespace psn
