// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The file-system layer: the handful of operations the editor needs, on the standard library.
// Game files may come in any letter case on this platform, so game paths are resolved
// component by component when they do not exist as spelled.
#pragma once

#include "core/errors.h"
#include "core/platform.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace psn {
struct TransferFaults;
}

namespace psn::fs {

constexpr char kSeparator = '/';

[[nodiscard]] bool Exists(const std::string& path);
[[nodiscard]] bool IsDirectory(const std::string& path);
[[nodiscard]] std::optional<std::uintmax_t> FileSize(const std::string& path);

// Clears a read-only state (files copied from a CD carry one): gives the owner write access.
// Only a regular file is changed, never the target of a link, which may lie outside the game.
bool SetNormalAttributes(const std::string& path);

// The one way the program opens a game, settings or data file: it must be a regular file, and it
// is opened without waiting on it (a FIFO or a device in a game folder would otherwise block the
// open). `flags` are platform::OpenFlags. Returns the handle, or kNoHandle with `reason` saying
// why in words the user can act on; errno is then EINVAL when the path names something that is
// not a regular file.
[[nodiscard]] platform::Handle OpenRegular(const std::string& path, unsigned flags,
                                           Message& reason);
// The same with the reason in English.
[[nodiscard]] platform::Handle OpenRegular(const std::string& path, unsigned flags,
                                           std::string& reason);

// Closes a handle from OpenRegular when it goes.
class FileCloser {
public:
    explicit FileCloser(platform::Handle& file) : file_(file) {}
    ~FileCloser() {
        platform::CloseFile(file_);
        file_ = platform::kNoHandle;
    }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

private:
    platform::Handle& file_;
};

// The whole content of a regular file of at most `limit` bytes. False with `reason` set when it
// cannot be opened or read, is not a regular file or is larger. `described`, when given, gets
// what the open file was before it was read.
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                                 Message& reason, std::uint64_t limit = 64u << 20,
                                 platform::Info* described = nullptr);
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                                 std::string& reason, std::uint64_t limit = 64u << 20,
                                 platform::Info* described = nullptr);

// Whether the path is a link that leads round in a loop (lstat finds it, stat cannot).
[[nodiscard]] bool IsLinkLoop(const std::string& path);

// Creates one folder; false when it cannot be created, also when it exists already.
[[nodiscard]] bool CreateFolder(const std::string& path);

bool DeleteFile(const std::string& path);

// Free bytes on the drive that holds the path (its nearest existing folder).
[[nodiscard]] std::optional<std::uintmax_t> FreeSpace(const std::string& path);

[[nodiscard]] std::string CurrentDirectory();
[[nodiscard]] bool SetCurrentDirectory(const std::string& path);

// The folder that holds the running program, whose first argument was `argv0`.
std::string ProgramDirectory(const char* argv0);

// Joins a folder and a relative path written with backslashes ("CIRCUITS\F1CT01.DAT"); the
// pieces are joined with the platform's separator.
std::string Join(std::string_view dir, std::string_view relative);

// Converts backslashes to the platform's separator.
std::string Native(std::string_view path);
// Whether a path starts at a root ("/x", and on Windows "C:/x" or "C:\x"), so that nothing is
// put before it.
[[nodiscard]] bool IsAbsolute(std::string_view path);

// Returns the path itself when it exists; otherwise each component that does not exist as
// spelled is replaced by the one entry of its folder that matches it ignoring ASCII case.
// Components that match nothing are kept as spelled.
[[nodiscard]] std::string ResolveCase(const std::string& path);

// The text after the last "\", "/" or ":" (a file name out of a path).
std::string FileNamePart(std::string_view path);

// Writes `bytes` as the whole content of `path` so that it is wholly old or wholly new whatever
// happens: into a new file beside it, flushed to disk, renamed over it, then the folder flushed.
// An existing file keeps its permissions; a new one gets `mode` (less the umask). A link to a
// regular file is written through: its target gets the bytes and the link stays. Anything else (a
// link to anything but a regular file or to nowhere, a named pipe, a device, a folder) is never
// replaced: the result is Refused and says what is in the way. On failure nothing written is
// left behind, and the result names the file and gives the system's reason. Each
// step is a transfer that `faults` can make fail; a failed write fails as a full disk does.
[[nodiscard]] FileResult WriteFileDurably(const std::string& path,
                                          std::span<const std::uint8_t> bytes, unsigned mode = 0644,
                                          TransferFaults* faults = nullptr);

// Keeps a pristine copy "<path>.bak" of a game file before its first change. An existing backup
// is never replaced, so it stays the user's original; a new one is written durably. Returns false
// only when a copy was needed and could not be made.
[[nodiscard]] bool EnsureBackup(const std::string& path);

} // namespace psn::fs
