// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The helmet window's editing rules, without widgets: which list row picks a cell of the sheet,
// the drag that swaps two cells, and the copies between the sheet and the single helmet.
#pragma once

#include "core/bitmap8_format.h"

#include <optional>

namespace psn {

// The cell a driver list row picks: later drivers are listed, but the sheet has no cell for
// them. -1 for those and for no row.
int HelmetCellOfRow(int row);

// A drag across the sheet. Cells the driver list does not hold (`listRows` and beyond) are no
// cells for it.
class HelmetDrag {
public:
    // A press on a cell starts a drag from it and returns the cell, to be chosen; a press
    // anywhere else ends any drag.
    std::optional<int> Press(int cell, int listRows);
    // A release on another cell returns that cell, to be swapped with the source before the
    // drag is forgotten; a release anywhere else leaves the drag as it is.
    std::optional<int> Release(int cell, int listRows);
    int Source() const { return source_; }
    void Forget() { source_ = -1; }

private:
    int source_ = -1;
};

// The cell into the single helmet, which then shows in the sheet's colours.
void ShowHelmet(const Bitmap8& sheet, Bitmap8& single, int cell);
// The single helmet into the cell.
void PasteHelmet(const Bitmap8& single, Bitmap8& sheet, int cell);
// Ends a drag: `single` holds the helmet of `from` (shown when the drag started); the helmet of
// `to` moves to `from`, and the dragged one to `to`.
void SwapHelmets(Bitmap8& sheet, const Bitmap8& single, int from, int to);

} // namespace psn
