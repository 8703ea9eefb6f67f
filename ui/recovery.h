// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finishing a game command that a crash interrupted, and telling the user about it.
#pragma once

#include "ui/app_context.h"

class QWidget;

namespace psn {

// Completes (or undoes) a command that a crash interrupted, before anything else reads the game,
// and says so, under the game's lock. A file that cannot be put in place takes the file access
// error path; a game another program keeps locked, or a record it refuses to act on, is a
// warning. Returns false in each case.
[[nodiscard]] bool RecoverInterruptedCommand(AppContext& context, QWidget* parent);
// Tells the user which files the completion or undoing at a command's start put in place.
void ReportRecovery(AppContext& context, QWidget* parent, const RecoveryReport& report);

} // namespace psn
