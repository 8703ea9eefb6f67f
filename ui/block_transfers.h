// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Import data from game" and "Export data into game" buttons of the editor windows whose
// blocks live in the game's executable: open it, run the window's block operations in order,
// and say so with the standard message. Each window lists only its operations.
#pragma once

#include "ui/app_context.h"

#include <functional>
#include <initializer_list>

class QWidget;

namespace psn {

using BlockOperation = std::function<void(AppState&)>;

// As ImportIntoWindow: one undoable step, "Data has been imported!", the window refilled.
bool ImportExeBlocks(AppContext& context, QWidget* window,
                     std::initializer_list<BlockOperation> reads);
// As ExportFromWindow: the writes committed, then "Data has been exported!".
bool ExportExeBlocks(AppContext& context, QWidget* window,
                     std::initializer_list<BlockOperation> writes);

} // namespace psn
