#include "editors/noses_blocks.h"

namespace psn {

// Not built yet.
void ReadNoses(AppState&) {}
void WriteNoses(AppState&) {}

} // namespace psn
