// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seasons as one file, and the packs players share. A season file is a ZIP archive holding the
// manifest PSNIAED-SEASON.TXT and each game file under game/ (docs/season-file.md). A pack is a
// ZIP or 7z archive of loose game files in any folders and letter case. Both come from
// strangers: an archive is read whole into memory, within limits, and refused before anything
// is stored when any entry is not a plain file of a safe name.
#pragma once

#include "seasons/season_store.h"

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace psn::seasons {

inline constexpr const char* kManifestEntry = "PSNIAED-SEASON.TXT";
inline constexpr const char* kGameFolderEntry = "game/";
// An archive that would unpack to more than this is refused.
inline constexpr std::uint64_t kMaxUnpacked = 256u << 20;
// Entries, folders included, an archive may hold; a pack of a whole game holds a few dozen.
inline constexpr std::size_t kMaxEntries = 4096;
inline constexpr std::size_t kSettingsFileSize = 2846;

// Whether season files can be written and read in this build (it has the archive library).
constexpr bool SeasonFilesAvailable() {
#ifdef PSN_SEASON_FILES
    return true;
#else
    return false;
#endif
}

std::vector<std::uint8_t> WriteSeasonFile(const Store& store, const Season& season);

using Files = std::map<std::string, std::vector<std::uint8_t>>;

struct ImportOptions {
    std::string source;                // the file's name in messages
    std::string name;                  // empty: the manifest's name, or the pack's file name
    std::function<std::string()> game; // a pack: the game its missing files come from
    std::function<Files(const Files&, std::span<const std::uint8_t>)> applySettings;
};

struct ImportResult {
    Season season;
    bool pack = false;
    std::vector<std::string> fromPack; // season files the pack gave
    std::vector<std::string> leftOut;  // entries not recognised, with why
    std::string gameDir;               // the game a pack was completed from
};

// Reads a season file or a pack into the store as a new season (its name made free with " (2)"
// and so on). Raises SeasonError naming the entry, with nothing stored, for an unsafe or damaged
// archive, a manifest whose hashes do not match, an unknown edition or a recognised file that is
// not what its name claims. The game is never written.
ImportResult ImportSeason(Store& store, std::span<const std::uint8_t> archive,
                          const ImportOptions& options);

// The unsafe-entry checks alone, for the fuzz target: the entries of an archive, or SeasonError.
Files ReadArchive(std::span<const std::uint8_t> archive, const std::string& source);

} // namespace psn::seasons
