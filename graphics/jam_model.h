// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The car painting window's list rule, without widgets: the archive list and the team list stand
// side by side, row for row, and choosing in one chooses the same row in the other.
#pragma once

namespace psn {

// The team row beside an archive row; -1 (no row) where the team list is shorter.
int TeamRowBeside(int archiveRow, int teamRows);
// The archive row beside a team row; -1 for no row, which leaves the archive chosen as it was.
int ArchiveRowBeside(int teamRow, int archiveRows);

} // namespace psn
