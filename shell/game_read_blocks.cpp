// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/game_read_blocks.h"

#include "core/fs.h"
#include "shell/all_data_blocks.h"
#include "tracks/track_blocks.h"

#include <random>

namespace psn {

GameReadResult ReadWholeGame(AppState& state, const WholeGameRead& how,
                             const std::function<void()>& advance) {
    GameReadResult result;
    const bool whole = !state.command;
    if (whole)
        result.recovered = state.BeginCommand();
    try {
        state.OpenGameExe();
        result.isGameExe = state.DetectEdition();
        if (!result.isGameExe) {
            state.CloseGameFiles();
            if (whole)
                state.DiscardCommand();
            return result;
        }
        const bool stateOpen = state.StateFileExists();
        if (stateOpen)
            state.OpenStateFile();
        try {
            ReadAllBlocks(state, stateOpen, advance, how.cockpit);
        } catch (const DataFileError& error) {
            // The patch list is read last: every other block is in.
            result.dataFileProblem = error.Said();
        }
        result.trackNames = ReadTrackNames(state);
        state.stateFile.Close();
        // The executable stays open for the tyre table: each file is opened once per read.
        if (TrackFilesInstalled(state)) {
            // The block is the game's as it now is: an entry that cannot be read is no longer
            // the game's either.
            state.trackEntryKnown.fill(false);
            if (how.damagedTrack == DamagedTrackFile::Report)
                result.trackProblems = ReadTrackDataAtStartup(state);
            else
                ReadTrackData(state);
            result.tracksRead = true;
        }
        state.CloseGameFiles();
    } catch (...) {
        state.CloseGameFiles();
        if (whole)
            state.DiscardCommand();
        throw;
    }
    // A read changes nothing.
    if (whole)
        state.DiscardCommand();
    return result;
}

ScratchStartDir::ScratchStartDir(const std::string& patchList) {
    namespace sfs = std::filesystem;
    std::random_device random;
    std::error_code ec;
    const sfs::path base = sfs::temp_directory_path(ec);
    const sfs::path dir =
        base / ("psn-start-" + std::to_string(random()) + std::to_string(random()));
    sfs::create_directories(dir / "DATA", ec);
    if (!patchList.empty() && fs::Exists(patchList))
        sfs::copy_file(patchList, dir / "DATA" / "PLT.DAT", sfs::copy_options::overwrite_existing,
                       ec);
    path_ = dir.string();
}

ScratchStartDir::~ScratchStartDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

} // namespace psn
