// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The helmet sheet's geometry, the car archives, and the rows of the two picture windows' lists.
#pragma once

#include "core/bitmap8_format.h"
#include "core/record.h"

#include <array>
#include <string>
#include <vector>

namespace psn {

constexpr int kHelmetCells = 29;
constexpr int kHelmetWidth = 74;
constexpr int kHelmetHeight = 15;
constexpr int kHelmetsPerColumn = 12;
constexpr int kPreviewWidth = 4 * kHelmetWidth;
constexpr int kPreviewHeight = 4 * kHelmetHeight;
// The single helmet before any file is loaded into it: its control's size.
constexpr int kSingleHelmetWidth = 75;
constexpr int kSingleHelmetHeight = 15;

struct CellOrigin {
    int x;
    int y;
};
CellOrigin HelmetCellOrigin(int cell);
// The cell under a point of the sheet, or -1 where there is none (also for points left of or
// above the sheet, which a drag released outside it can report).
int HelmetCellAt(int x, int y);

// One driver name per numbered car slot, in slot order: row i of the list belongs to cell i.
std::vector<std::string> HelmetDriverNames(const SettingsRecord& record);

// The car archives in their fixed order.
inline constexpr std::array<const char*, 14> kCarArchives = {
    "WILLIAMS.JAM", "TYRRELL.JAM", "BENETTON.JAM", "MCLAREN.JAM", "FOOTWORK.JAM",
    "LOTUS.JAM",    "JORDAN.JAM",  "LARROUS.JAM",  "MINARDI.JAM", "LIGIER.JAM",
    "FERRARI.JAM",  "SAUBER.JAM",  "SIMTEK.JAM",   "PACIFIC.JAM"};

// The names of the teams in use, in team order.
std::vector<std::string> TeamsInUseNames(const SettingsRecord& record);

// Draws `from` scaled to the whole of `to`, index for index; `to` takes `from`'s colours.
void StretchInto(const Bitmap8& from, Bitmap8& to);

} // namespace psn
