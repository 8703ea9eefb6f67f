// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What seasons need of the whole-game read and write: the fields a season changes, read from its
// files as the comparison reads a game, and a settings file applied to a season's files as
// "Export all data" writes it. The windows and psnedit share these.
#pragma once

#include "core/record.h"
#include "seasons/season_store.h"
#include "shell/record_fields_table.h"

#include <span>
#include <string>
#include <vector>

namespace psn {

// A scratch game folder holding given game files, removed with the object.
class ScratchGameDir {
public:
    explicit ScratchGameDir(const std::map<std::string, std::vector<std::uint8_t>>& files);
    ~ScratchGameDir();
    ScratchGameDir(const ScratchGameDir&) = delete;
    ScratchGameDir& operator=(const ScratchGameDir&) = delete;
    // Ends with '/'.
    const std::string& path() const { return path_; }
    // The season files it holds now, read back.
    std::map<std::string, std::vector<std::uint8_t>> Files() const;

private:
    std::string path_;
};

struct SeasonComparison {
    std::vector<seasons::FileChange> files;
    // Game now → season; empty when neither executable differs in a settings field.
    std::vector<fields::Difference> fields;
    fields::Context context;
};

// How a season differs from the game now: its files, and the settings fields as the comparison
// window lists them. Reads the game under its lock; raises SeasonError, FileAccessError or
// GameLockError.
SeasonComparison CompareSeason(const seasons::Store& store, const seasons::Season& season,
                               const std::string& gameDir, const std::string& patchList);

// Writes a settings record into the game files in `files` as "Export all data" does (names and
// cockpit colours into the save state too, the track set-ups when the 16 track files are there),
// and returns them. Raises FileAccessError or DataFileError.
std::map<std::string, std::vector<std::uint8_t>>
ApplySettings(const std::map<std::string, std::vector<std::uint8_t>>& files,
              const SettingsRecord& record, const std::string& patchList);

} // namespace psn
