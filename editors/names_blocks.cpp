#include "editors/names_blocks.h"

namespace psn {

// Not built yet.
void ReadNamesExe(AppState&) {}
void WriteNamesExe(AppState&) {}
void ReadNamesState(AppState&) {}
void WriteNamesState(AppState&) {}

} // namespace psn
