// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one read of a whole game into the record, for the start-up, "Import all data", the restore
// from backups, the comparison window and the command-line companion. Each caller's rules are a
// named read below, so that they can be told apart at a glance and never drift into copies.
#pragma once

#include "core/app_state.h"
#include "core/messages.h"
#include "shell/all_data_blocks.h"
#include "tracks/track_blocks.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace psn {

// What a track file that is there but cannot be read does to the read. When the 16 track files
// are not all installed, every read leaves the track block unread and says so (tracksRead).
enum class DamagedTrackFile {
    // Its entry stays unread and is named in trackProblems; everything else is read. The track
    // files are read from the disk, past any writes the open command has staged.
    Report,
    // The read ends with the numbered FileAccessError of the track block's checks
    // ("2) File access error! "); the caller decides what that ends.
    EndTheRead,
};

struct WholeGameRead {
    DamagedTrackFile damagedTrack = DamagedTrackFile::EndTheRead;
    CockpitWithoutState cockpit = CockpitWithoutState::FromExe;
};

// The start-up, and the restore from backups, which shows the game as a start would: a damaged
// track file is reported and the editor goes on without its entry.
inline constexpr WholeGameRead kStartupRead{DamagedTrackFile::Report, CockpitWithoutState::FromExe};
// "Import all data": a damaged track file ends the program with its numbered text, and without a
// save-state file the record keeps its own cockpit colours.
inline constexpr WholeGameRead kImportAllRead{DamagedTrackFile::EndTheRead,
                                              CockpitWithoutState::Keep};
// The comparison window and psnedit: a damaged track file ends the read (the window warns,
// psnedit exits with status 3), so that no comparison is made against half a game.
inline constexpr WholeGameRead kCheckRead{DamagedTrackFile::EndTheRead,
                                          CockpitWithoutState::FromExe};

struct [[nodiscard]] GameReadResult {
    bool isGameExe = true;   // false: PSN.EXE too short to hold the edition byte; nothing read
    bool tracksRead = false; // false: the 16 track files are not all installed
    Message dataFileProblem; // a shipped data file (the patch list) that could not be used
    std::array<std::string, 16> trackNames;
    std::vector<TrackReadProblem> trackProblems; // only with DamagedTrackFile::Report
    RecoveryReport recovered;                    // what the command's start completed or undid
};

// Reads every block into state.record: the game executable (edition detected first), the
// save-state file when it exists, then the track block when the 16 track files are installed
// (every entry is read again). Each game file is opened once. `advance` runs after each read that
// moves the start-up's progress bar. Needs the game directory, executable path, sources and start
// directory set. A damaged patch list does not end the read: every other block is in, and
// dataFileProblem says what is wrong. Outside an open command the read is a command of its own,
// which writes nothing but completes an interrupted commit first (see AppState::BeginCommand,
// whose GameLockError it passes on). A game-file failure raises FileAccessError with the game
// files closed.
GameReadResult ReadWholeGame(AppState& state, const WholeGameRead& how,
                             const std::function<void()>& advance = {});

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
