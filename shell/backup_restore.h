// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Restore game files from backup…" of the main window's File menu.
#pragma once

#include "ui/app_context.h"

class QWidget;

namespace psn {

// Lists the backups of the game folder, restores the chosen ones after one confirmation as one
// command (all or nothing), and reads the record from the game again. The backups stay.
void RestoreGameBackups(AppContext& context, QWidget* parent);

} // namespace psn
