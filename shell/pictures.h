// The pictures the editor ships in its DATA folder for the main window's buttons and the progress
// window.
#pragma once

#include "core/app_state.h"

#include <QPixmap>

namespace psn {

inline constexpr const char* kStartPicture = ".\\DATA\\START.BMP";

// A shipped picture, or a null pixmap when the file is missing or unreadable.
QPixmap LoadPicture(const AppState& state, const char* relativePath);

} // namespace psn
