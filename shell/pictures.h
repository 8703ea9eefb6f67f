// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures the editor ships in its DATA folder for the main window's buttons and the progress
// window.
#pragma once

#include "core/app_state.h"

#include <QPixmap>
#include <vector>

namespace psn {

inline constexpr const char* kStartPicture = ".\\DATA\\START.BMP";

// Starts reading the given shipped pictures on a worker thread, for the windows that show them
// first: the start-up has them ready by the time it has connected to the display.
void PrefetchPictures(const AppState& state, const std::vector<const char*>& relativePaths);

// A shipped picture, or a null pixmap when the file is missing or unreadable. One that was
// prefetched from the same place is taken from there, once. At a device pixel ratio above 1 its
// twice-as-large drawing NAME@2x beside it is taken instead, with ratio 2, when it is exactly
// twice the size. A picture drawn in the windows' language, NAME-de.EXT, is taken before NAME.EXT.
QPixmap LoadPicture(const AppState& state, const char* relativePath);
QPixmap LoadPicture(const AppState& state, const char* relativePath, qreal devicePixelRatio);

// NAME.EXT's twice-as-large twin, NAME@2x.EXT.
std::string DoubleSizePath(const std::string& path);

} // namespace psn
