// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/helmet_model.h"

#include "graphics/helmet_table.h"

namespace psn {
namespace {

bool Listed(int cell, int listRows) {
    return cell >= 0 && cell < listRows;
}

} // namespace

int HelmetCellOfRow(int row) {
    return row >= 0 && row < kHelmetCells ? row : -1;
}

std::optional<int> HelmetDrag::Press(int cell, int listRows) {
    source_ = Listed(cell, listRows) ? cell : -1;
    if (source_ < 0)
        return std::nullopt;
    return cell;
}

std::optional<int> HelmetDrag::Release(int cell, int listRows) {
    if (source_ < 0 || !Listed(cell, listRows) || cell == source_)
        return std::nullopt;
    return cell;
}

void ShowHelmet(const Bitmap8& sheet, Bitmap8& single, int cell) {
    const CellOrigin at = HelmetCellOrigin(cell);
    CopyRect(sheet, at.x, at.y, single, 0, 0, kHelmetWidth, kHelmetHeight);
    // The single helmet now holds the sheet's indices, so it shows in the sheet's colours.
    if (!sheet.Empty())
        single.colours = sheet.colours;
}

void PasteHelmet(const Bitmap8& single, Bitmap8& sheet, int cell) {
    const CellOrigin at = HelmetCellOrigin(cell);
    CopyRect(single, 0, 0, sheet, at.x, at.y, kHelmetWidth, kHelmetHeight);
}

void SwapHelmets(Bitmap8& sheet, const Bitmap8& single, int from, int to) {
    const CellOrigin source = HelmetCellOrigin(from);
    const CellOrigin target = HelmetCellOrigin(to);
    CopyRect(sheet, target.x, target.y, sheet, source.x, source.y, kHelmetWidth, kHelmetHeight);
    PasteHelmet(single, sheet, to);
}

} // namespace psn
