#include "editors/tuning_blocks.h"

namespace psn {

// Not built yet.
void ReadLightColours(AppState&) {}
void WriteLightColours(AppState&) {}
void ReadLightSpeeds(AppState&) {}
void WriteLightSpeeds(AppState&) {}
void ReadFuelLoads(AppState&) {}
void WriteFuelLoads(AppState&) {}
void ReadHumanWeight(AppState&) {}
void WriteHumanWeight(AppState&) {}
void ReadComputerWeight(AppState&) {}
void WriteComputerWeight(AppState&) {}
void ReadFuelDisplay(AppState&) {}
void WriteFuelDisplay(AppState&) {}
void ReadTeamPerformance(AppState&) {}
void WriteTeamPerformance(AppState&) {}
void ReadPatchList(AppState&) {}
void WritePatchList(AppState&) {}

} // namespace psn
