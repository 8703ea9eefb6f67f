#include "editors/pitline_blocks.h"

namespace psn {

// Not built yet.
void ReadPitOrder(AppState&) {}
void WritePitOrder(AppState&) {}
void ReadSpeedCheck(AppState&) {}
void WriteSpeedCheck(AppState&) {}
void ReadPitSpeed(AppState&) {}
void WritePitSpeed(AppState&) {}

} // namespace psn
