// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// All-or-nothing changes to the game's files. A command stages what it reads and writes as pages
// in memory; its commit writes each changed file whole beside itself, flushes it, and renames it
// over the original, while a commit record in the game folder names the files. A change of a few
// bytes to a file of the game folder is instead written in place, its new and old bytes journalled
// in the record first. A start that finds the record completes the commit (or, when the commit was
// being undone, undoes it), so a command killed at any moment leaves every file wholly old or
// wholly new.
//
// A game folder may come from anyone, so neither the record nor the files are trusted: the record
// names game files relative to the game folder and is checked whole before anything is done, and
// a file is written only when it is what its name says it is.
#pragma once

#include "core/messages.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace psn {

struct TransferFaults;

// The commit record's name in the game folder, and the suffixes of the scratch files beside the
// game files: the new content before it is renamed into place, the old one until the commit ends.
inline constexpr const char* kCommitRecordName = "PSNIAED-COMMIT.TXT";
inline constexpr const char* kNewSuffix = ".psniaed-new";
inline constexpr const char* kOldSuffix = ".psniaed-old";

// Whether a path relative to the game folder ("CIRCUITS/F1CT01.DAT", any letter case) names a file
// this program writes: the game's own files, the installers' targets and the helmet archive.
[[nodiscard]] bool IsWrittenGameFile(std::string_view relative);

// Why the file at `path` is not what the game file named `claimed` ("F1CT01.DAT") must be: a
// regular file, and for the executable, the save state and the track files, one of fitting size
// with a known edition byte or (with `trailer`) a fitting checksum trailer. Empty when it is.
[[nodiscard]] Message ClaimProblemSaid(const std::string& path, std::string_view claimed,
                                       bool trailer = true);
// The same in English.
[[nodiscard]] std::string ClaimProblem(const std::string& path, std::string_view claimed,
                                       bool trailer = true);

struct StagedPage {
    std::vector<std::uint8_t> data;
    bool dirty = false;
};

// What a command makes of one file: its bytes start from `base` (the file itself, or the source of
// a whole-file copy), with the pages read or written on top.
struct StagedFile {
    static constexpr std::size_t kPageSize = 4096;

    std::string target;
    std::string base;
    std::uint64_t baseSize = 0; // bytes of `base`; pages beyond exist only in memory
    std::uint64_t size = 0;
    std::map<std::uint64_t, StagedPage> pages;
    bool copied = false; // base is another file, copied over the target

    bool Touched() const;
};

class Staging {
public:
    // `recordDir` is the folder that holds the commit record (the game folder); without one, only
    // single-file commits are possible.
    explicit Staging(std::shared_ptr<TransferFaults> faults = {}, std::string recordDir = {});

    // The staged file of a path, or null when the command has not touched it.
    StagedFile* Find(const std::string& path);
    // Stages a file read from `path` as it is on disk.
    StagedFile& Add(const std::string& path, std::uint64_t size);
    // Stages a whole-file copy of `source` over `target` (created when missing). Raises
    // FileAccessError naming the source when it cannot be read.
    void Copy(const std::string& source, const std::string& target);
    [[nodiscard]] bool Exists(const std::string& path);

    // Writes every changed file. Raises FileAccessError with the file and the system's reason when
    // anything fails; every file is then as it was. The staging is empty afterwards either way.
    void Commit();
    void Discard() { files_.clear(); }
    [[nodiscard]] std::vector<std::string> Changed() const;
    // The keys of the files staged as whole-file copies over their targets.
    [[nodiscard]] std::vector<std::string> Copies() const;

    // The key under which a path is staged: absolute, with links resolved.
    static std::string Key(const std::string& path);

private:
    std::shared_ptr<TransferFaults> faults_;
    std::string recordDir_;
    std::map<std::string, StagedFile> files_;
};

// Names the program whose commands this process commits ("psniaed", "psnedit") in every commit
// record it writes, so that the recovery after a stop can say whose command it was. Empty, the
// record names none; the last name set holds for the whole process.
void SetCommittingProgram(std::string name);
const std::string& CommittingProgram();

struct RecoveryReport {
    bool found = false;     // a commit record was there
    bool completed = false; // the commit was completed (false: the files were put back)
    std::vector<std::string> files;
    int scratchRemoved = 0;
    // The program the record names: at most 32 printable ASCII characters, anything else in it
    // replaced by '?'; empty when the record names none (one of an earlier version).
    std::string program;
};

// The message that tells the user what the recovery did, without the list of files.
Message RecoveryMessage(const RecoveryReport& report);

// Completes or undoes a commit whose record is in `recordDir` (the game folder), then removes
// scratch files left in the given folders by a command that never reached its commit; a folder
// that is a link is not walked. Idempotent. Raises FileAccessError when a file cannot be put in
// place; the record then stays for the next start. A record that names anything but a game file
// inside the game folder or `exeDir` (no "..", no link leading out, no backup, not itself) is
// refused whole: nothing is touched and the error names the entry.
RecoveryReport RecoverInterruptedCommit(const std::string& recordDir,
                                        const std::vector<std::string>& folders,
                                        const std::string& exeDir = {});

} // namespace psn
