// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/backups.h"

#include "core/fs.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace psn {

std::vector<GameBackup> ListBackups(const AppState& state) {
    constexpr std::string_view kSuffix = ".bak";
    std::vector<GameBackup> backups;
    std::set<std::string> seen;
    for (const std::string& folder : state.GameFolders()) {
        std::error_code ec;
        if (folder.empty() || !seen.insert(Staging::Key(folder)).second)
            continue;
        for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
             it.increment(ec)) {
            const std::string path = it->path().string();
            // A backup is a file the editor made; a link named like one may lead anywhere.
            struct stat info {};
            if (path.size() <= kSuffix.size() || !path.ends_with(kSuffix) ||
                ::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
                continue;
            backups.push_back({path, path.substr(0, path.size() - kSuffix.size()),
                               static_cast<std::int64_t>(info.st_mtime)});
        }
    }
    std::sort(backups.begin(), backups.end(),
              [](const GameBackup& a, const GameBackup& b) { return a.file < b.file; });
    return backups;
}

std::vector<std::uint8_t> BackupBytes(const std::string& file, std::uint64_t offset,
                                      std::size_t count) {
    const std::string path = fs::ResolveCase(file + ".bak");
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    const auto fileSize = fs::FileSize(file);
    GameFile backup;
    if (!backup.Open(path) || !fileSize || backup.Size() != *fileSize ||
        backup.Size() < offset + count)
        return {};
    backup.Seek(offset);
    std::vector<std::uint8_t> bytes = backup.ReadBytes(count);
    // Never closed: a backup is only read, and a file destroyed unclosed writes nothing.
    if (backup.Failed() || bytes.size() != count)
        return {};
    return bytes;
}

void StageBackups(Staging& staging, const std::vector<GameBackup>& chosen) {
    for (const GameBackup& backup : chosen)
        staging.Copy(backup.backup, backup.file);
}

void RestoreBackups(AppState& state, const std::vector<GameBackup>& chosen) {
    Staging staging(state.faults, fs::Native(state.config.GameDir()));
    StageBackups(staging, chosen);
    staging.Commit();
}

} // namespace psn
