// The block reads of the start-up load, in the order the game's values are taken.
// They need the game files open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

#include <functional>

namespace psn {

// Reads every block that start-up fills, calling `advance` after each step that moves the
// progress bar. With `stateFileOpen`, names and cockpit colours obey the two source flags.
void ReadStartupBlocks(AppState& state, bool stateFileOpen, const std::function<void()>& advance);

// Whether all 16 track files are installed in the game's CIRCUITS folder.
bool TrackFilesInstalled(const AppState& state);
std::string TrackFileName(int track); // "CIRCUITS\F1CT01.DAT" for track 1

} // namespace psn
