#include "tracks/track_blocks.h"

namespace psn {

// Not built yet.
void ReadTrackData(AppState&) {}
void WriteTrackData(AppState&) {}

} // namespace psn
