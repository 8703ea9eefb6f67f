// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a whole game into a record outside the windows: the record as the start-up load fills
// it, track block included when the track files are installed. The comparison window reads into
// a scratch state with it, and the command-line companion reads and saves with it.
#pragma once

#include "core/app_state.h"

#include <array>
#include <filesystem>
#include <string>

namespace psn {

struct [[nodiscard]] GameReadResult {
    bool isGameExe = true;       // false: PSN.EXE too short to hold the edition byte; nothing read
    bool tracksRead = false;     // false: the 16 track files are not all installed
    std::string dataFileProblem; // a shipped data file (the patch list) that could not be used
    std::array<std::string, 16> trackNames;
    RecoveryReport recovered; // what the command's start completed or undid
};

// Reads every block into state.record in the start-up order: the game executable (edition
// detected first), the save-state file when it exists, then the track block. Needs the game
// directory, executable path, sources and start directory set. Outside an open command the read
// is a command of its own, which writes nothing but completes an interrupted commit first (see
// AppState::BeginCommand, whose GameLockError it passes on). A game-file failure raises
// FileAccessError with the game files closed.
GameReadResult ReadGameRecord(AppState& state);

// A private start directory holding only DATA\PLT.DAT (a copy of `patchList`, when it exists), so
// that reading or writing a game outside the editor never touches the editor's own DATA folder
// (its originals snapshot). Removed with the object.
class ScratchStartDir {
public:
    explicit ScratchStartDir(const std::string& patchList);
    ~ScratchStartDir();
    ScratchStartDir(const ScratchStartDir&) = delete;
    ScratchStartDir& operator=(const ScratchStartDir&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace psn
