// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What exists once per run: the settings record, the configuration, the detected edition, the
// start directory, the current settings file and the two game-file handles. Windows and block
// operations receive it; nothing reaches for a global.
#pragma once

#include "core/commit.h"
#include "core/config.h"
#include "core/editions.h"
#include "core/game_file.h"
#include "core/game_lock.h"
#include "core/palette.h"
#include "core/record.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace psn {

inline constexpr const char* kOriginalSettings = "./DATA/ORIGIN.SET";
inline constexpr const char* kConfigFile = "psniaed.set";
inline constexpr const char* kStateFileName = "F1GSTATE.SAV";

struct AppState {
    AppState();

    SettingsRecord record;
    ConfigRecord config;
    int edition = 0;
    std::string startDir;
    std::string currentSettingsFile; // at most 255 characters; empty at start-up
    GamePalette palette{};
    // Which of the 16 track entries hold this game's data: read from it in this run, or loaded
    // from a settings file. An entry that is neither is never written into the game.
    std::array<bool, 16> trackEntryKnown{};
    // Each track entry as first read from the game in this run: the originals snapshot takes them
    // once every one has been read, whatever read that was, and never the user's edits.
    std::array<std::optional<std::array<std::uint8_t, rec::kTrackEntryStride>>, 16>
        trackEntryFirstRead{};

    std::shared_ptr<TransferFaults> faults = std::make_shared<TransferFaults>();
    GameFile exe{faults};
    GameFile stateFile{faults};
    // The staging of the command in progress: every game file it opens keeps its writes there
    // until CommitCommand. Null between commands.
    std::unique_ptr<Staging> command;
    // The game's lock, held by the command in progress only: the editor stays open for hours.
    GameLock lock;
    std::chrono::milliseconds lockWait = kGameLockWait;
    // Failures that did not stop what met them (the originals snapshot not completed): each names
    // its file and the reason, and whoever ran the command shows them and clears the list.
    std::vector<Message> unreported;
    // Record fields that a write could not give the game (a switch whose code is gone): the
    // record then holds what the game has, and whoever ran the command says so and clears it.
    std::vector<std::size_t> notTaken;

    // A path relative to the start directory, written with backslashes (".\DATA\PSN.PAL").
    std::string StartPath(std::string_view relative) const;
    // A path inside the game directory ("CIRCUITS\F1CT01.DAT"), resolved ignoring letter case.
    std::string GamePath(std::string_view relative) const;
    std::string ExePath() const;
    std::string StatePath() const { return GamePath(kStateFileName); }
    bool StateFileExists() const;

    // Open the game files for one load, import or export; failure raises FileAccessError.
    void OpenGameExe();
    void OpenStateFile();
    void CloseGameFiles();
    // Renews the closed save-state file's trailer; failure raises FileAccessError.
    void RenewStateChecksum();

    // A command stages its writes from BeginCommand on; CommitCommand writes them all at once
    // (failure raises FileAccessError, and then nothing was changed); DiscardCommand drops them.
    // BeginCommand locks the game (GameLockError when another program holds it through the
    // wait) and completes or undoes an interrupted commit first, returning what it found; a
    // record it cannot act on raises FileAccessError. Either failure leaves no command open.
    RecoveryReport BeginCommand();
    // A track file that the commit replaced by a copy (an install, a backup put back) is no longer
    // what its entry was read from: the entry becomes unknown, to be read again.
    void CommitCommand();
    void DiscardCommand();
    // Completes or undoes a commit that a crash interrupted and removes scratch files, in the
    // game folder, its subfolders and the executable's folder. Failure raises FileAccessError.
    RecoveryReport RecoverGameFiles() const;
    // The folders that may hold game files: the game folder, its subfolders, the executable's.
    std::vector<std::string> GameFolders() const;
    // Seeks to a block, raising FileAccessError when the seek fails.
    void SeekExe(ExeRow row);
    void SeekState(std::uint16_t offset);
    // Reads the edition byte. Returns false when the executable is too short to hold one,
    // which means it is not the game's executable; the edition is then left as it was.
    bool DetectEdition();
    // Makes the start directory current again (file dialogs and the converter change it).
    void RestoreStartDir() const;
};

} // namespace psn
