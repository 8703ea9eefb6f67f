// Making sure the 16 track files are on the hard disk before the track block is used: asks the
// user, copies them from the game CD, and clears the read-only state CD files carry.
#pragma once

#include "shell/app_context.h"

class QWidget;

namespace psn {

inline constexpr const char* kInstallTracksQuestion =
    "You have not installed track files on your hard disk. You need them to work with track "
    "editor. Would you like to install them now?";
inline constexpr const char* kInsertCdMessage =
    "Put \"Pistonia\" CD into CD drive, and hit \"OK\" when you are ready!";

// False when the user declined to install the track files.
bool EnsureTrackFiles(AppContext& context, QWidget* parent);

} // namespace psn
