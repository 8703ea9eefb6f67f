// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/backups.h"

#include "core/fs.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace psn {

std::vector<GameBackup> ListBackups(const AppState& state) {
    constexpr std::string_view kSuffix = ".bak";
    std::vector<GameBackup> backups;
    std::set<std::string> seen;
    for (const std::string& folder : state.GameFolders()) {
        std::vector<platform::Entry> entries;
        if (folder.empty() || !seen.insert(Staging::Key(folder)).second ||
            !platform::ListFolder(folder, entries))
            continue;
        for (const platform::Entry& entry : entries) {
            const std::string path = fs::Join(folder, entry.name);
            // A backup is a file the editor made; a link named like one may lead anywhere.
            platform::Info info;
            if (path.size() <= kSuffix.size() || !path.ends_with(kSuffix) ||
                entry.kind != platform::Kind::Regular || !platform::DescribePath(path, info) ||
                info.kind != platform::Kind::Regular)
                continue;
            backups.push_back({path, path.substr(0, path.size() - kSuffix.size()),
                               info.modifiedNs / 1'000'000'000});
        }
    }
    std::sort(backups.begin(), backups.end(),
              [](const GameBackup& a, const GameBackup& b) { return a.file < b.file; });
    return backups;
}

std::vector<std::uint8_t> BackupBytes(const std::string& file, std::uint64_t offset,
                                      std::size_t count) {
    const std::string path = fs::ResolveCase(file + ".bak");
    platform::Info info;
    if (!platform::DescribePath(path, info) || info.kind != platform::Kind::Regular)
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
