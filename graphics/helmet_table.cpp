// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/helmet_table.h"

#include "core/record_map.h"
#include "editors/lineup.h"

namespace psn {

CellOrigin HelmetCellOrigin(int cell) {
    const int column = cell / kHelmetsPerColumn;
    return {kHelmetWidth * column, kHelmetHeight * (cell % kHelmetsPerColumn)};
}

int HelmetCellAt(int x, int y) {
    if (x < 0 || y < 0 || x >= 3 * kHelmetWidth)
        return -1;
    const int column = x / kHelmetWidth;
    const int row = y / kHelmetHeight;
    const int cell = kHelmetsPerColumn * column + row;
    if (row >= kHelmetsPerColumn || cell >= kHelmetCells)
        return -1;
    return cell;
}

std::vector<std::string> HelmetDriverNames(const SettingsRecord& record) {
    std::vector<std::string> names;
    for (int slot = 1; slot <= 40; ++slot) {
        const int number = record.u8(rec::SlotNumber(slot));
        if (number == 0)
            continue;
        // Numbers above 40 name no driver; the row still stands for its cell.
        names.push_back(number <= 40 ? record.str(rec::DriverName(number), rec::kDriverNameCapacity)
                                     : std::string());
    }
    return names;
}

std::vector<std::string> TeamsInUseNames(const SettingsRecord& record) {
    std::vector<std::string> names;
    for (const int team : TeamsInUse(record))
        names.push_back(record.str(rec::TeamName(team), rec::kTeamNameCapacity));
    return names;
}

void StretchInto(const Bitmap8& from, Bitmap8& to) {
    to.colours = from.colours;
    if (from.Empty())
        return;
    for (int y = 0; y < to.height; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * from.height / to.height);
        for (int x = 0; x < to.width; ++x)
            to.At(x, y) =
                from.At(static_cast<int>(static_cast<long long>(x) * from.width / to.width), sy);
    }
}

} // namespace psn
