// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app_state.h"

#include "core/checksum.h"
#include "core/fs.h"
#include "core/game_layout.h"

#include <algorithm>
#include <filesystem>

namespace psn {

AppState::AppState() : startDir(fs::CurrentDirectory()) {}

std::string AppState::StartPath(std::string_view relative) const {
    std::string rel = fs::Native(relative);
    if (rel.rfind("./", 0) == 0)
        rel.erase(0, 2);
    return fs::Join(startDir, rel);
}

std::string AppState::GamePath(std::string_view relative) const {
    return fs::ResolveCase(fs::Join(config.GameDir(), relative));
}

std::string AppState::ExePath() const {
    return fs::ResolveCase(config.ExePath());
}

bool AppState::StateFileExists() const {
    return fs::Exists(StatePath());
}

void AppState::OpenGameExe() {
    exe.SetStaging(command.get());
    exe.Open(ExePath());
    exe.Check();
}

void AppState::OpenStateFile() {
    stateFile.SetStaging(command.get());
    stateFile.Open(StatePath());
    stateFile.Check();
}

void AppState::RenewStateChecksum() {
    RenewChecksum(StatePath(), faults, command.get());
}

RecoveryReport AppState::BeginCommand() {
    const std::string gameDir = fs::Native(config.GameDir());
    GameLock held = GameLock::Acquire(gameDir, lockWait);
    RecoveryReport report;
    if (held.Held()) {
        report = RecoverGameFiles();
    } else if (const std::string record = fs::Join(gameDir, kCommitRecordName);
               !gameDir.empty() && fs::Exists(record)) {
        // A game nobody can change cannot have its interrupted commit completed either; read as
        // it is, it would be a mix of old and new files.
        throw FileAccessError(kFileAccessError, record,
                              Message(MessageKind::RecordCannotComplete, {}));
    }
    lock = std::move(held);
    command = std::make_unique<Staging>(faults, gameDir);
    return report;
}

void AppState::CommitCommand() {
    CloseGameFiles();
    const std::unique_ptr<Staging> staged = std::move(command);
    const GameLock held = std::move(lock); // released once the commit has ended, either way
    if (!staged)
        return;
    const std::vector<std::string> copies = staged->Copies();
    staged->Commit();
    for (int t = 0; t < kTrackFiles; ++t)
        if (std::find(copies.begin(), copies.end(), Staging::Key(GamePath(TrackFileName(t)))) !=
            copies.end())
            trackEntryKnown[static_cast<std::size_t>(t)] = false;
}

void AppState::DiscardCommand() {
    CloseGameFiles();
    command.reset();
    lock.Release();
}

std::vector<std::string> AppState::GameFolders() const {
    const std::string gameDir = fs::Native(config.GameDir());
    std::vector<std::string> folders{gameDir};
    // Only the game's own subfolders: a folder link may lead anywhere (the user's home).
    std::error_code ec;
    for (std::filesystem::directory_iterator it(gameDir, ec), end; !ec && it != end;
         it.increment(ec))
        if (it->symlink_status(ec).type() == std::filesystem::file_type::directory)
            folders.push_back(it->path().string());
    folders.push_back(std::filesystem::path(ExePath()).parent_path().string());
    return folders;
}

RecoveryReport AppState::RecoverGameFiles() const {
    const std::string gameDir = fs::Native(config.GameDir());
    if (gameDir.empty() || !fs::IsDirectory(gameDir))
        return {};
    return RecoverInterruptedCommit(gameDir, GameFolders(),
                                    std::filesystem::path(ExePath()).parent_path().string());
}

void AppState::CloseGameFiles() {
    exe.Close();
    stateFile.Close();
}

void AppState::SeekExe(ExeRow row) {
    exe.Seek(ExeOffset(row, edition));
    exe.Check();
}

void AppState::SeekState(std::uint16_t offset) {
    stateFile.Seek(offset);
    stateFile.Check();
}

bool AppState::DetectEdition() {
    if (!exe.IsOpen() || exe.Size() <= kEditionByteOffset)
        return false;
    exe.Seek(kEditionByteOffset);
    const std::uint8_t byte = exe.ReadByte();
    exe.Check();
    edition = EditionFromByte(byte, edition);
    return true;
}

void AppState::RestoreStartDir() const {
    // Only dialogs start from the current folder; every path of the editor is built from
    // startDir, so a start folder removed meanwhile costs nothing here.
    static_cast<void>(fs::SetCurrentDirectory(startDir));
}

} // namespace psn
