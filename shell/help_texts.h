// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Help menu's texts: what the editor is and which folders it works with, and what it needs
// before it can edit anything.
#pragma once

#include <QString>

namespace psn {

struct AppState;

// The version, the licence, the Qt version, and the editor and game folders in use.
QString AboutText(const AppState& state);
// The game (or a generated sample game), and where the converter and the install packs go.
QString GettingStartedText(const AppState& state);

} // namespace psn
