// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/all_data_blocks.h"

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
#include "tracks/track_blocks.h"

namespace psn {

void ReadAllBlocks(AppState& state, bool stateOpen, const std::function<void()>& advance,
                   CockpitWithoutState cockpit) {
    const auto step = [&] {
        if (advance)
            advance();
    };
    ReadNamesExe(state);
    step();
    if (stateOpen) {
        if (state.config.NamesSource() == 1)
            ReadNamesState(state);
        else
            ReadNamesExe(state);
        step();
    }
    for (auto* read : {ReadEnginePower, ReadHumanPower, ReadGrip, ReadGripRange, ReadPitOrder,
                       ReadSpeedCheck, ReadPitSpeed}) {
        read(state);
        step();
    }
    if (stateOpen && state.config.CockpitSource() == 1)
        ReadCockpitColoursState(state);
    else if (stateOpen || cockpit == CockpitWithoutState::FromExe)
        ReadCockpitColoursExe(state);
    step();
    for (auto* read : {ReadPitCrewColours, ReadCameras, ReadFailures, ReadNoses, ReadLightColours,
                       ReadLightSpeeds, ReadFuelLoads, ReadHumanWeight, ReadComputerWeight,
                       ReadFuelDisplay, ReadTeamPerformance}) {
        read(state);
        step();
    }
    ReadPatchList(state);
}

void WriteAllBlocks(AppState& state, bool stateOpen) {
    // A damaged patch list, or one made for another game, must stop the export before its first
    // byte: failing at the end would leave the game half written.
    if (state.edition == kPatchListEdition)
        LoadFittingPatchList(state);
    WriteNamesExe(state);
    if (stateOpen) {
        if (state.config.NamesSource() == 1)
            WriteNamesState(state);
        else
            WriteNamesExe(state);
    }
    for (auto* write : {WriteEnginePower, WriteHumanPower, WriteGrip, WriteGripRange, WritePitOrder,
                        WriteSpeedCheck, WritePitSpeed})
        write(state);
    WriteCockpitColoursExe(state);
    if (stateOpen) {
        if (state.config.CockpitSource() == 1)
            WriteCockpitColoursState(state);
        else
            WriteCockpitColoursExe(state);
    }
    for (auto* write : {WritePitCrewColours, WriteCameras, WriteFailures, WriteNoses,
                        WriteLightColours, WriteLightSpeeds, WriteFuelLoads, WriteHumanWeight,
                        WriteComputerWeight, WriteFuelDisplay, WriteTeamPerformance})
        write(state);
    if (state.edition == kPatchListEdition)
        WritePatchList(state);
}

bool WholeGameWritable(const AppState& state, MissingTrackFiles missing) {
    return missing == MissingTrackFiles::WriteTheRest || TrackFilesInstalled(state);
}

GameWriteResult WriteWholeGame(AppState& state, MissingTrackFiles missing,
                               const std::function<bool()>& installTracks) {
    GameWriteResult result;
    bool tracks = TrackFilesInstalled(state);
    if (!tracks && missing == MissingTrackFiles::Refuse)
        return result;
    const bool stateOpen = state.StateFileExists();
    if (stateOpen)
        state.OpenStateFile();
    state.OpenGameExe();
    if (tracks)
        ReadPendingTrackData(state);
    WriteAllBlocks(state, stateOpen);
    if (!tracks && installTracks) {
        // The offer may open a command's copies of its own: no game file is held open across it.
        state.CloseGameFiles();
        tracks = installTracks();
        if (tracks) {
            state.OpenGameExe();
            ReadPendingTrackData(state);
        }
    }
    if (tracks)
        WriteTrackData(state);
    state.CloseGameFiles();
    if (stateOpen)
        state.RenewStateChecksum();
    result.written = true;
    result.tracks = tracks;
    return result;
}

} // namespace psn
