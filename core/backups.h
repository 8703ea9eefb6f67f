// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The backups "<name>.bak" that the editor keeps of each game file's first original, and putting
// them back: as one command, all or nothing, through the same commit as every export.
#pragma once

#include "core/app_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace psn {

struct GameBackup {
    std::string backup;    // ".../PSN.EXE.bak"
    std::string file;      // the game file it belongs to, ".../PSN.EXE"
    std::int64_t modified; // when the backup was made, seconds since 1970
};

// Every "<name>.bak" in the game folder, its subfolders and the executable's folder, by file;
// neither a folder link nor a backup that is a link is followed.
std::vector<GameBackup> ListBackups(const AppState& state);

// `count` bytes at `offset` of the backup kept of `file` ("<file>.bak", the user's first
// original). Empty when there is no such backup, when it is a link or not a regular file, or when
// its size differs from the file's: then it is no copy of this file.
std::vector<std::uint8_t> BackupBytes(const std::string& file, std::uint64_t offset,
                                      std::size_t count);

// Stages the backups' content over their files in the given staging; the backups stay.
// An unreadable backup raises FileAccessError naming it.
void StageBackups(Staging& staging, const std::vector<GameBackup>& chosen);

// Restores the chosen backups as one command of its own. Raises FileAccessError (file and
// reason) when anything fails; every game file is then as it was.
void RestoreBackups(AppState& state, const std::vector<GameBackup>& chosen);

} // namespace psn
