// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/season_blocks.h"

#include "core/app_state.h"
#include "core/fs.h"
#include "shell/all_data_blocks.h"
#include "shell/game_read_blocks.h"

#include <filesystem>
#include <random>
#include <stdexcept>

namespace psn {
namespace {

namespace sfs = std::filesystem;

// An AppState on the game in `dir`, reading as a start does: names and cockpit colours from the
// save state.
void Prepare(AppState& state, const std::string& dir, const ScratchStartDir& start) {
    state.startDir = start.path();
    std::string folder = dir;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    state.config.SetGameDir(folder);
    state.config.SetExePath(fs::ResolveCase(folder + "PSN.EXE"));
    state.config.SetNamesSource(1);
    state.config.SetCockpitSource(1);
}

struct GameRecord {
    SettingsRecord record;
    std::array<std::string, 16> trackNames;
};

GameRecord ReadRecord(const std::string& dir, const std::string& patchList) {
    ScratchStartDir start(patchList);
    AppState state;
    Prepare(state, dir, start);
    const GameReadResult read = ReadWholeGame(state, kCheckRead);
    if (!read.isGameExe)
        throw seasons::SeasonError(Message(MessageKind::SeasonNoReadableExe, {dir}), dir);
    return {state.record, read.trackNames};
}

} // namespace

ScratchGameDir::ScratchGameDir(const std::map<std::string, std::vector<std::uint8_t>>& files) {
    std::random_device random;
    const sfs::path dir = sfs::temp_directory_path() /
                          ("psn-season-" + std::to_string(random()) + std::to_string(random()));
    sfs::create_directories(dir);
    path_ = dir.string() + "/";
    for (const auto& [name, bytes] : files) {
        const sfs::path path = dir / name;
        sfs::create_directories(path.parent_path());
        const FileResult written = fs::WriteFileDurably(path.string(), bytes);
        if (!written)
            throw seasons::SeasonError(written.said, written.path, written.reason);
    }
}

ScratchGameDir::~ScratchGameDir() {
    std::error_code ec;
    sfs::remove_all(path_, ec);
}

std::map<std::string, std::vector<std::uint8_t>> ScratchGameDir::Files() const {
    return seasons::ReadGame(path_).files;
}

SeasonComparison CompareSeason(const seasons::Store& store, const seasons::Season& season,
                               const std::string& gameDir, const std::string& patchList) {
    SeasonComparison comparison;
    const GameRecord now = ReadRecord(gameDir, patchList);
    comparison.files = seasons::DiffFiles(season, seasons::ReadGame(gameDir));
    if (comparison.files.empty())
        return comparison;
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const seasons::FileRef& file : season.files)
        files[file.name] = store.Read(file);
    const ScratchGameDir scratch(files);
    const GameRecord then = ReadRecord(scratch.path(), patchList);
    comparison.context.trackNames = now.trackNames;
    comparison.fields = fields::Compare(now.record, then.record, comparison.context, true);
    return comparison;
}

std::map<std::string, std::vector<std::uint8_t>>
ApplySettings(const std::map<std::string, std::vector<std::uint8_t>>& files,
              const SettingsRecord& record, const std::string& patchList) {
    const ScratchGameDir scratch(files);
    ScratchStartDir start(patchList);
    AppState state;
    Prepare(state, scratch.path(), start);
    state.BeginCommand();
    try {
        if (!ReadWholeGame(state, kCheckRead).isGameExe)
            throw seasons::SeasonError(Message(MessageKind::SeasonExeUnreadable, {}));
        state.record = record;
        state.trackEntryKnown.fill(true);
        WriteWholeGame(state, kExportAllWrite);
        state.CommitCommand();
    } catch (...) {
        state.CloseGameFiles();
        state.DiscardCommand();
        throw;
    }
    return scratch.Files();
}

} // namespace psn
