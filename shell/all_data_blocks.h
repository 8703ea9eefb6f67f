// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every block operation in the game's fixed order, and the one write of a whole game ("Export
// all data" and psnedit apply), so that reading and writing can never drift apart.
#pragma once

#include "core/app_state.h"

#include <functional>

namespace psn {

// Without a save-state file the start-up takes the cockpit colours from the executable, while
// "Import all data" leaves the record's own.
enum class CockpitWithoutState { FromExe, Keep };

// Reads names and numbers (from the executable, then again from the save-state file or the
// executable per the names source), engine power, grip, pit line, cockpit colours (from the
// save-state file when it is open and the cockpit colours source is 1, else from the executable,
// or per `cockpit` without it), pit crew colours, cameras, failures, nose cones, car tuning and
// the patch list. `advance` runs after each read that moves the start-up progress bar. The game
// executable, and the save-state file when `stateOpen`, must be open. The whole-game read
// (shell/game_read_blocks.h) is the way in for everything but measurements.
void ReadAllBlocks(AppState& state, bool stateOpen, const std::function<void()>& advance = {},
                   CockpitWithoutState cockpit = CockpitWithoutState::FromExe);

// Writes the same blocks in the same order; cockpit colours always into the executable, then
// again per the cockpit colours source; the patch list only for edition 0.
void WriteAllBlocks(AppState& state, bool stateOpen);

// What the whole-game write does when the 16 track files are not all installed.
enum class MissingTrackFiles {
    // "Export all data": the window has offered to install them; the other blocks go in.
    WriteTheRest,
    // psnedit apply: nothing is written, since a document's track set-ups would be dropped
    // without anybody being asked.
    Refuse,
};
inline constexpr MissingTrackFiles kExportAllWrite = MissingTrackFiles::WriteTheRest;
inline constexpr MissingTrackFiles kApplyWrite = MissingTrackFiles::Refuse;

// Whether WriteWholeGame would write anything with this rule: the check that comes before a
// caller reads or asks anything.
bool WholeGameWritable(const AppState& state, MissingTrackFiles missing);

struct GameWriteResult {
    bool written = false; // false: refused for want of the track files; nothing staged
    bool tracks = false;  // the track block was written
};

// Writes the whole game inside the caller's open command, which commits it: every block into the
// executable and the save-state file (whose trailer is renewed), then the track block. Track
// entries never read are read first with the numbered checks, so a damaged track file ends the
// command before it has written anything. When the track files are not all installed,
// `installTracks` (the window's offer to copy them from the CD) is asked after the other blocks,
// with the game files closed; it returns whether they are installed now. Failures raise
// FileAccessError or DataFileError.
GameWriteResult WriteWholeGame(AppState& state, MissingTrackFiles missing,
                               const std::function<bool()>& installTracks = {});

} // namespace psn
