// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the track manager's two installs bring, without widgets.
#pragma once

#include <string>
#include <vector>

namespace psn {

// The bonus track's own file, which takes the place of track 7.
inline constexpr const char* kBonusTrackFile = "F1CT07.DAT";

// The pack's files by name within DATA, for the check that they fit the game: the three stretches
// of the executable, original or bonus, and for the bonus track its track file first.
std::vector<std::string> TrackPackFiles(bool bonus);

} // namespace psn
