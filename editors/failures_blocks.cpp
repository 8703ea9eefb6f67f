#include "editors/failures_blocks.h"

namespace psn {

// Not built yet.
void ReadFailures(AppState&) {}
void WriteFailures(AppState&) {}

} // namespace psn
