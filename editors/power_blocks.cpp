#include "editors/power_blocks.h"

namespace psn {

// Not built yet.
void ReadEnginePower(AppState&) {}
void WriteEnginePower(AppState&) {}
void ReadHumanPower(AppState&) {}
void WriteHumanPower(AppState&) {}

} // namespace psn
