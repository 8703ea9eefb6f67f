// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every block operation in the game's fixed order, shared by the start-up load and the
// import/export of all data, so the two can never drift apart.
#pragma once

#include "core/app_state.h"

#include <functional>

namespace psn {

// Reads names and numbers (from the executable, then again from the save-state file or the
// executable per the names source), engine power, grip, pit line, cockpit colours (from the
// save-state file when it is open and the cockpit colours source is 1, else from the executable),
// pit crew colours, cameras, failures, nose cones, car tuning and the patch list. `advance` runs
// after each read that moves the start-up progress bar. The game executable, and the save-state
// file when `stateOpen`, must be open.
void ReadAllBlocks(AppState& state, bool stateOpen, const std::function<void()>& advance = {});
// The same reads for "Import all data", except that without the save-state file the record's
// cockpit colours stay as they are: only the start-up takes them from the executable then.
void ImportAllBlocks(AppState& state, bool stateOpen);

// Writes the same blocks in the same order; cockpit colours always into the executable, then
// again per the cockpit colours source; the patch list only for edition 0.
void WriteAllBlocks(AppState& state, bool stateOpen);

// "Export all data" in two steps, for the window (which may install the track files between
// them) and the command-line companion alike; both run inside the caller's command, which
// commits them together. The first opens the executable and the save-state file when there is
// one, writes every block and renews the save state's trailer; the second reads the track
// entries not known yet, then writes the track block. Failures raise FileAccessError or
// DataFileError.
void ExportAllBlocks(AppState& state);
void ExportTrackBlock(AppState& state);

} // namespace psn
