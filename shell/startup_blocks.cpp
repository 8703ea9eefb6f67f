#include "shell/startup_blocks.h"

#include "core/fs.h"
#include "editors/failures_blocks.h"
#include "editors/grip_blocks.h"
#include "editors/names_blocks.h"
#include "editors/noses_blocks.h"
#include "editors/pitline_blocks.h"
#include "editors/power_blocks.h"
#include "editors/tuning_blocks.h"
#include "graphics/camera_blocks.h"
#include "graphics/cockpit_blocks.h"
#include "graphics/pitcrew_blocks.h"

#include <cstdio>

namespace psn {

void ReadStartupBlocks(AppState& state, bool stateFileOpen, const std::function<void()>& advance) {
    using Read = void (*)(AppState&);
    ReadNamesExe(state);
    advance();
    if (stateFileOpen) {
        // Read twice even when the source is the executable, as the game's own loader does.
        if (state.config.NamesSource() == 1)
            ReadNamesState(state);
        else
            ReadNamesExe(state);
        advance();
    }
    for (Read read : {ReadEnginePower, ReadHumanPower, ReadGrip, ReadGripRange, ReadPitOrder,
                      ReadSpeedCheck, ReadPitSpeed}) {
        read(state);
        advance();
    }
    if (stateFileOpen && state.config.CockpitSource() == 1)
        ReadCockpitColoursState(state);
    else
        ReadCockpitColoursExe(state);
    advance();
    for (Read read : {ReadPitCrewColours, ReadCameras, ReadFailures, ReadNoses, ReadLightColours,
                      ReadLightSpeeds, ReadFuelLoads, ReadHumanWeight, ReadComputerWeight,
                      ReadFuelDisplay, ReadTeamPerformance}) {
        read(state);
        advance();
    }
    ReadPatchList(state);
}

std::string TrackFileName(int track) {
    char name[32];
    std::snprintf(name, sizeof name, "CIRCUITS\\F1CT%02d.DAT", track);
    return name;
}

bool TrackFilesInstalled(const AppState& state) {
    for (int track = 1; track <= 16; ++track)
        if (!fs::Exists(state.GamePath(TrackFileName(track))))
            return false;
    return true;
}

} // namespace psn
