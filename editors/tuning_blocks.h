// Block operations. Car tuning: rev lights, fuel loads, weights and switches, and the patch list.
// They need the game files open and leave them open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

namespace psn {

void ReadLightColours(AppState& state);
void WriteLightColours(AppState& state);
void ReadLightSpeeds(AppState& state);
void WriteLightSpeeds(AppState& state);
void ReadFuelLoads(AppState& state);
void WriteFuelLoads(AppState& state);
void ReadHumanWeight(AppState& state);
void WriteHumanWeight(AppState& state);
void ReadComputerWeight(AppState& state);
void WriteComputerWeight(AppState& state);
void ReadFuelDisplay(AppState& state);
void WriteFuelDisplay(AppState& state);
void ReadTeamPerformance(AppState& state);
void WriteTeamPerformance(AppState& state);
void ReadPatchList(AppState& state);
void WritePatchList(AppState& state);

} // namespace psn
