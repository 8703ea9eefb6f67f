#include "editors/grip_blocks.h"

namespace psn {

// Not built yet.
void ReadGrip(AppState&) {}
void WriteGrip(AppState&) {}
void ReadGripRange(AppState&) {}
void WriteGripRange(AppState&) {}

} // namespace psn
