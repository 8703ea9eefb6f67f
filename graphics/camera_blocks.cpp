#include "graphics/camera_blocks.h"

namespace psn {

// Not built yet.
void ReadCameras(AppState&) {}
void WriteCameras(AppState&) {}

} // namespace psn
