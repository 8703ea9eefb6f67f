// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Byte-wise access to the game's files, with the runtime's sticky error semantics: after a failed
// open, seek, read or write, every further transfer is without effect until the block operation
// checks, and the check raises the fatal file access error.
//
// Transfers go through a page cache, so moving a block byte by byte costs one system call per
// touched page rather than one per byte. The pages belong to a staging (core/commit.h): a file
// opened within a command keeps its written pages there until the command commits; a file opened
// without one commits its changes alone when it is closed, durably and whole; destroyed without
// being closed, it writes nothing.
#pragma once

#include "core/errors.h"
#include "core/platform.h"

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace psn {

inline constexpr const char* kFileAccessError = " File access error! ";

// The one error type of the game-file layer. what() is the fixed first line the user is shown;
// the file and the system's reason ("No space left on device") go below it (Text()).
class FileAccessError : public FileError {
public:
    explicit FileAccessError(const std::string& message, std::string path = {}, Message reason = {})
        : FileError(Message(message), std::move(path), std::move(reason)) {}
};

// A game file the program chose not to write because it is not what its name says (a track file
// whose checksum trailer does not fit, a link leading out of the game): nothing was written, and
// unlike a failed transfer it does not end the program.
class RefusedFileError : public FileAccessError {
public:
    using FileAccessError::FileAccessError;
};

// Counts every open, seek, read, write and skip, and every file creation, write, flush, close and
// rename of a commit, and can make the n-th one fail (1-based), so tests can sweep a failure over
// every transfer of a command. `observe`, when set, sees each count first (a test may stop the
// process there).
struct TransferFaults {
    long count = 0;
    long failAt = 0; // 0: never
    void (*observe)(long count) = nullptr;
    bool Tick() {
        ++count;
        if (observe)
            observe(count);
        return count == failAt;
    }
};

class Staging;
struct StagedFile;

class GameFile {
public:
    GameFile();
    explicit GameFile(std::shared_ptr<TransferFaults> faults, Staging* staging = nullptr);
    ~GameFile();
    GameFile(const GameFile&) = delete;
    GameFile& operator=(const GameFile&) = delete;

    // Opens the file for reading at position 0; writes are staged and committed whole, so the
    // file's permissions are never changed. Anything but a regular file is refused without
    // waiting on it. On failure the file is not open and the sticky error is set.
    bool Open(const std::string& path);
    // The one way to finish a file: without a staging, commits what was written; a failed commit
    // sets the sticky error, so Check() after Close() tells whether the writes are on disk.
    void Close();
    bool IsOpen() const { return fd_ != platform::kNoHandle; }
    const std::string& Path() const { return path_; }

    void Seek(std::uint64_t position);
    void Skip(std::int64_t count);
    std::uint8_t ReadByte();
    std::uint16_t ReadWord(); // low byte first
    void WriteByte(std::uint8_t value);
    void WriteWord(std::uint16_t value); // low byte first
    // Reads up to `count` bytes from the position on as one transfer (a checksum's input).
    std::vector<std::uint8_t> ReadBytes(std::size_t count);

    std::uint64_t Position() const { return position_; }
    std::uint64_t Size() const { return size_; }
    bool Failed() const { return failed_; }
    // Raises FileAccessError with the message when any transfer since opening failed.
    void Check(const char* message = kFileAccessError) const;

    void SetFaults(std::shared_ptr<TransferFaults> faults) { faults_ = std::move(faults); }
    // The command whose staging later opens use; null: each file commits on its own.
    void SetStaging(Staging* staging) { staging_ = staging; }

private:
    bool Injected();
    void Fail(std::string reason);
    std::vector<std::uint8_t>* PageAt(std::uint64_t index);

    platform::Handle fd_ = platform::kNoHandle;
    std::string path_;
    std::uint64_t position_ = 0;
    std::uint64_t size_ = 0;
    bool failed_ = false;
    std::string reason_;
    std::shared_ptr<TransferFaults> faults_;
    Staging* staging_ = nullptr;
    std::unique_ptr<Staging> own_; // the single-file staging of a file opened without a command
    StagedFile* file_ = nullptr;
};

} // namespace psn

namespace psn {

// A data file shipped with the editor (a patch list, a cockpit data file) that is missing or
// damaged. Unlike FileAccessError it is not fatal: it is reported and nothing is written.
class DataFileError : public FileError {
public:
    explicit DataFileError(Message message, std::string path = {}, Message reason = {})
        : FileError(std::move(message), std::move(path), std::move(reason)) {}
};

} // namespace psn
