// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three stretches of the game executable that switch track 7 between the game's own track and
// the bonus track: the track names, and two stretches taken as shipped data.
#pragma once

#include "core/app_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace psn {

struct StretchFile {
    const char* bonus;    // ".\DATA\..." file of the bonus track
    const char* original; // the game's own bytes of the same stretch
    ExeRow row;           // where the stretch starts
};

// In the order they are written.
const std::array<StretchFile, 3>& Stretches();

struct LoadedStretch {
    std::uint32_t offset = 0;
    std::vector<std::uint8_t> bytes;
};

// Reads the three data files (bonus or original) of the edition. All are read before anything is
// written, so a missing, empty or unreadable data file, or one that would run past the end of the
// executable, raises DataFileError and leaves the executable untouched.
std::vector<LoadedStretch> LoadStretches(const AppState& state, bool bonus);

// Writes the loaded stretches into the open executable.
void WriteStretches(AppState& state, const std::vector<LoadedStretch>& stretches);

} // namespace psn
