// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The operating system, for files, locks and processes: the only place that calls it. One
// implementation per system (POSIX, Windows), chosen by the build. Paths are UTF-8 everywhere in
// the program and converted here where a system wants something else. Failures set errno, so
// callers report them alike on every system (SystemReason words them).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace psn::platform {

// An open file: a descriptor on POSIX, a HANDLE on Windows.
using Handle = std::intptr_t;
inline constexpr Handle kNoHandle = -1;

enum OpenFlags : unsigned {
    kRead = 1u << 0,
    kWrite = 1u << 1,
    kCreate = 1u << 2,    // create the file when it is missing
    kExclusive = 1u << 3, // with kCreate: fail when it exists
    kTruncate = 1u << 4,
    kNoFollow = 1u << 5, // a link (a reparse point) in the last place is refused, not followed
};

enum class Kind { Missing, Regular, Folder, Link, Pipe, Socket, Device, Other };

struct Info {
    Kind kind = Kind::Missing;
    std::uint64_t size = 0;
    std::uint64_t links = 1;  // names the file's bytes have; more than one is a hard link
    unsigned mode = 0644;     // permission bits; on Windows only the owner's write bit is real
    std::uint64_t volume = 0; // with `id`, tells two names of one file apart from two files
    std::uint64_t id = 0;
    std::int64_t modifiedNs = 0; // time of the last change, nanoseconds since 1970
    // When the file's bytes or description last changed. Unlike `modifiedNs` no tool can set it
    // back, so a file rewritten with its old time of change still shows as changed.
    std::int64_t changedNs = 0;
};

// Opens a regular file without ever waiting on it (a FIFO or a device would block the open) and
// refuses anything else: a folder, a pipe, a device. Returns kNoHandle with errno set on failure,
// EINVAL with `found` saying what is there when it is not a regular file. On Windows a reparse
// point (a link, a junction) is never followed.
[[nodiscard]] Handle OpenFile(const std::string& path, unsigned flags, unsigned mode,
                              Kind* found = nullptr);
bool CloseFile(Handle file);

// Reads or writes at an offset, without moving a file position; repeats after interruptions. The
// count done, 0 at the end of the file, or -1 with errno set.
std::int64_t ReadAt(Handle file, void* data, std::size_t length, std::uint64_t at);
std::int64_t WriteAt(Handle file, const void* data, std::size_t length, std::uint64_t at);
// Reads or writes at the file position.
std::int64_t Read(Handle file, void* data, std::size_t length);
std::int64_t Write(Handle file, const void* data, std::size_t length);

// Puts the file's bytes on the disk.
bool Flush(Handle file);
bool Describe(Handle file, Info& info);
// What a path names; a link is described as Kind::Link unless `followLinks`. False with errno set
// when the path cannot be looked at (Kind::Missing when nothing is there).
bool DescribePath(const std::string& path, Info& info, bool followLinks = false);
// Gives the open file the permission bits `mode` (on Windows: read-only without the owner's
// write bit).
bool SetMode(Handle file, unsigned mode);
bool SetModified(Handle file, std::int64_t modifiedNs);
// Clears a regular file's read-only state, never through a link.
bool MakeWritable(const std::string& path);
// Whether this user may write the file (false with errno set when not).
bool CanWrite(const std::string& path);

// Renames `from` over `to`, replacing it, in one step that is on the disk when this returns (as
// far as the folder's flush below makes it so).
bool Replace(const std::string& from, const std::string& to);
// A second name for the file `from`; fails where the file system has no hard links.
bool Link(const std::string& from, const std::string& to);
bool Remove(const std::string& path);
bool CreateFolder(const std::string& path);
// Flushes a folder's entries (the renames in it) to the disk where the system can.
bool FlushFolder(const std::string& path);

struct Entry {
    std::string name;
    Kind kind = Kind::Other; // a link is Kind::Link, never what it leads to
};
// The entries of one folder, without "." and "..". Links and junctions are listed as such, so a
// walk that descends only into Kind::Folder never leaves the tree it started in.
bool ListFolder(const std::string& path, std::vector<Entry>& entries);

// Locks an open file exclusively for this process without waiting. The lock ends when the file
// is closed or the process ends, however it ends.
enum class LockResult { Locked, Busy, Unsupported };
LockResult TryLock(Handle file);

[[nodiscard]] std::optional<std::uintmax_t> FreeSpace(const std::string& path);
[[nodiscard]] std::string CurrentDirectory();
[[nodiscard]] bool SetCurrentDirectory(const std::string& path);
// The folder that holds the running program, whose first argument was `argv0`.
[[nodiscard]] std::string ProgramDirectory(const char* argv0);
[[nodiscard]] long ProcessId();
[[nodiscard]] std::optional<std::string> Environment(const char* name);
// Sets a variable of this process's environment, or removes it (nullopt), where Environment and
// the programs this process starts see it.
bool SetEnvironment(const char* name, const std::optional<std::string>& value);
// The program's arguments in UTF-8, the first (the program) left out.
[[nodiscard]] std::vector<std::string> Arguments(int argc, char** argv);
// Standard input and output pass bytes unchanged (no line-end translation), and text written to
// a console is shown as UTF-8.
void PrepareStandardStreams();

// Paths in the standard library's type, converted from and to the program's UTF-8.
[[nodiscard]] std::filesystem::path ToPath(const std::string& utf8);
[[nodiscard]] std::string FromPath(const std::filesystem::path& path);

// Words a system error for the user: on Windows a file held open by another program (the game)
// and a folder that needs administrator rights say what to do.
[[nodiscard]] std::string ErrorText(int error);

// A started program and everything it starts, ended together.
class ProcessTree {
public:
    ProcessTree() = default;
    ~ProcessTree();
    ProcessTree(const ProcessTree&) = delete;
    ProcessTree& operator=(const ProcessTree&) = delete;
    // Takes in a started process; on POSIX it must have called StartOwnGroup() in the child. On
    // Windows one started suspended (kStartSuspended) runs once it is in, so that nothing it
    // starts can escape.
    void Adopt(std::int64_t processId);
    // Ends the process and all it started.
    void Kill();

private:
    std::int64_t process_ = 0;
    Handle job_ = kNoHandle;
};
// Called in a new child before it runs its program: a group of its own that Kill() ends.
void StartOwnGroup();
// The flags that start a Windows child suspended, for ProcessTree::Adopt to let it run (0 on
// POSIX, where the child's group is made before it runs its program).
extern const unsigned long kStartSuspended;

} // namespace psn::platform
