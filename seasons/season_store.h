// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seasons: whole sets of the game files this program writes, kept side by side in the user's
// own folder. Each distinct file is stored once under the SHA-256 of its bytes and checked
// against it on every read, so a season that differs from another in three files costs three
// files, and a damaged stored file is named, never used. A season's manifest names its files by
// hash, with its name, description, time of keeping and the game's edition.
#pragma once

#include "core/errors.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace psn {
struct TransferFaults;
}

namespace psn::seasons {

// Nothing was stored, switched or changed; what() is the whole message for the user.
class SeasonError : public FileError {
public:
    explicit SeasonError(Message message, std::string path = {}, Message reason = {})
        : FileError(std::move(message), std::move(path), std::move(reason)) {}
};

// The largest file a game holds; anything larger is not one of its files.
inline constexpr std::uint64_t kMaxGameFileSize = 16u << 20;
inline constexpr std::size_t kMaxNameLength = 120;
inline constexpr std::size_t kMaxDescriptionLength = 4096;

// Every game file a season holds, relative to the game folder in the game's own spelling: the
// files a commit may write, and the helmet archive the converter writes.
const std::vector<std::string>& SeasonFiles();
// The entry of SeasonFiles() that `name` spells in any letter case and with either separator,
// or empty.
std::string SeasonFileName(std::string_view name);

struct FileRef {
    std::string name; // as in SeasonFiles()
    std::string hash; // SHA-256, lower-case hexadecimal
    std::uint64_t size = 0;
};

struct Season {
    std::string name;
    std::string description;
    std::string kept; // UTC, "2026-12-09T10:20:03Z"
    int edition = 0;
    std::vector<FileRef> files; // in the order of SeasonFiles(); a file the game lacked is absent

    const FileRef* Find(std::string_view file) const;
};

// Why a name cannot name a season (empty, too long, control characters), or empty.
Message NameProblem(std::string_view name);

// The manifest: line-based text, the description's line breaks and backslashes escaped.
std::string ManifestText(const Season& season);
// Raises SeasonError naming `source` and the line when the text is no manifest, names a file
// twice or one that is no season file, has a malformed hash or an edition that does not exist.
Season ParseManifest(std::string_view text, const std::string& source);

// The per-user store: $XDG_DATA_HOME/psniaed/seasons, else ~/.local/share/psniaed/seasons;
// on Windows %APPDATA%\psniaed\seasons.
std::string DefaultStoreDir();

class Store {
public:
    explicit Store(std::string dir, std::shared_ptr<TransferFaults> faults = {});
    const std::string& Dir() const { return dir_; }

    // Every season, by name. A manifest that cannot be read is left out and named in `damaged`.
    std::vector<Season> List(std::vector<Message>* damaged = nullptr) const;
    std::optional<Season> Find(std::string_view name) const;
    // Find, or SeasonError saying there is no such season.
    Season Get(std::string_view name) const;

    // Stores bytes once under their hash (`hash` when the caller knows it already), durably; a
    // stored copy that no longer holds these bytes is written again. Returns the hash.
    std::string Put(std::span<const std::uint8_t> bytes, std::string hash = {});
    // The bytes of a stored file, checked against their hash: SeasonError naming the file when it
    // is missing or damaged.
    std::vector<std::uint8_t> Read(const FileRef& file) const;
    std::string PathOf(const std::string& hash) const;

    // Writes a season's manifest durably. `replace`: a season of that name may exist already.
    void Save(const Season& season, bool replace = false);
    void Rename(std::string_view from, std::string_view to);
    // Removes the season and every stored file no other season names.
    void Delete(std::string_view name);
    // A name not taken yet: `base`, else "base (2)", "base (3)", ...
    std::string FreeName(const std::string& base) const;

    // Game files' hashes remembered across runs, by the file's real path, size, identity and times
    // of change, so that a switch hashes only the files changed since. A file whose time of
    // change is within two seconds of its hashing is not remembered: a change within the same
    // tick of the file system's clock would not show. The status change catches a file rewritten
    // with its old time of change put back. Whatever cannot be read is forgotten.
    struct KnownFile {
        std::string hash;
        std::uint64_t size = 0, volume = 0, id = 0;
        std::int64_t modifiedNs = 0, changedNs = 0;
    };
    std::map<std::string, KnownFile> KnownHashes() const;
    void RememberHashes(const std::map<std::string, KnownFile>& known);

private:
    std::string ManifestPath(std::string_view name) const;
    void RemoveUnnamedFiles();

    std::string dir_;
    std::shared_ptr<TransferFaults> faults_;
};

// The game files of a game folder, read whole.
struct GameSnapshot {
    int edition = 0;
    std::map<std::string, std::vector<std::uint8_t>> files; // by SeasonFiles() name
    // The SHA-256 of each file as read, so that a switch hashes the game once for both the
    // comparison and keeping it. Whoever changes a file in `files` drops its entry here.
    std::map<std::string, std::string> hashes;

    // The hash of a file: the one remembered, else computed.
    std::string Hash(const std::string& name) const;
};

// Reads and hashes every season file the game holds. A file behind a link that leads out of the
// game folder to something of another name, one that is not a regular file, larger than any game
// file, or an executable of no known edition raises SeasonError naming it.
GameSnapshot ReadGame(const std::string& gameDir, Store* remember = nullptr);

// Keeps the game as a season (replacing one of the same name when `replace`); the caller holds
// the game's lock.
Season KeepSnapshot(Store& store, const GameSnapshot& game, const std::string& name,
                    const std::string& description, bool replace = false);

struct FileChange {
    enum class Kind { Changed, Added, NotInSeason };
    std::string name;
    Kind kind = Kind::Changed;
};

// How a season's files differ from the game's, in the order of SeasonFiles().
std::vector<FileChange> DiffFiles(const Season& season, const GameSnapshot& game);

// Keeps the game as a season, under the game's lock.
Season Keep(Store& store, const std::string& gameDir, const std::string& name,
            const std::string& description);

struct SwitchResult {
    std::vector<FileChange> changes;
    std::string before; // the season the game was kept as first; empty for a dry run
};

// Writes a season into the game as one command: under the game's lock, after completing an
// interrupted commit, every stored file checked first, the game as it was kept as the season
// "Before switching to <name>", then only the files that differ written in one commit (a few
// changed bytes in place). A season of another edition, or one whose stored files are damaged or
// are not what their names claim, is refused with SeasonError and nothing changed. A failed
// commit raises FileAccessError; every game file is then as it was.
SwitchResult Switch(Store& store, const std::string& gameDir, const std::string& name,
                    bool dryRun = false, std::shared_ptr<TransferFaults> faults = {});

} // namespace psn::seasons
