// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/platform.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace psn::platform {
namespace stdfs = std::filesystem;
namespace {

int Fd(Handle file) {
    return static_cast<int>(file);
}

Kind KindOf(mode_t mode) {
    if (S_ISREG(mode))
        return Kind::Regular;
    if (S_ISDIR(mode))
        return Kind::Folder;
    if (S_ISLNK(mode))
        return Kind::Link;
    if (S_ISFIFO(mode))
        return Kind::Pipe;
    if (S_ISSOCK(mode))
        return Kind::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Kind::Device;
    return Kind::Other;
}

void Fill(const struct stat& st, Info& info) {
    info.kind = KindOf(st.st_mode);
    info.size = static_cast<std::uint64_t>(st.st_size);
    info.links = static_cast<std::uint64_t>(st.st_nlink);
    info.mode = static_cast<unsigned>(st.st_mode & 07777);
    info.volume = static_cast<std::uint64_t>(st.st_dev);
    info.id = static_cast<std::uint64_t>(st.st_ino);
    info.modifiedNs =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    info.changedNs =
        static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
}

template <typename Call> std::int64_t Repeat(Call call) {
    for (;;) {
        const ssize_t n = call();
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

} // namespace

Handle OpenFile(const std::string& path, unsigned flags, unsigned mode, Kind* found) {
    int native = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    native |= (flags & kRead) && (flags & kWrite) ? O_RDWR : (flags & kWrite) ? O_WRONLY : O_RDONLY;
    if (flags & kCreate)
        native |= O_CREAT;
    if (flags & kExclusive)
        native |= O_EXCL;
    if (flags & kTruncate)
        native |= O_TRUNC;
    if (flags & kNoFollow)
        native |= O_NOFOLLOW;
    const int fd = ::open(path.c_str(), native, static_cast<mode_t>(mode));
    if (fd < 0) {
        if (found)
            *found = errno == ENOENT ? Kind::Missing : errno == ELOOP ? Kind::Link : Kind::Other;
        return kNoHandle;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (found)
            *found = KindOf(st.st_mode);
        ::close(fd);
        errno = EINVAL;
        return kNoHandle;
    }
    // Regular files never block; the flag only kept the open itself from waiting.
    const int status = ::fcntl(fd, F_GETFL);
    if (status == -1 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) == -1) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return kNoHandle;
    }
    if (found)
        *found = Kind::Regular;
    return fd;
}

bool CloseFile(Handle file) {
    return file == kNoHandle || ::close(Fd(file)) == 0;
}

std::int64_t ReadAt(Handle file, void* data, std::size_t length, std::uint64_t at) {
    return Repeat([&] { return ::pread(Fd(file), data, length, static_cast<off_t>(at)); });
}

std::int64_t WriteAt(Handle file, const void* data, std::size_t length, std::uint64_t at) {
    return Repeat([&] { return ::pwrite(Fd(file), data, length, static_cast<off_t>(at)); });
}

std::int64_t Read(Handle file, void* data, std::size_t length) {
    return Repeat([&] { return ::read(Fd(file), data, length); });
}

std::int64_t Write(Handle file, const void* data, std::size_t length) {
    return Repeat([&] { return ::write(Fd(file), data, length); });
}

bool Flush(Handle file) {
    return ::fsync(Fd(file)) == 0;
}

bool Describe(Handle file, Info& info) {
    struct stat st {};
    if (::fstat(Fd(file), &st) != 0)
        return false;
    Fill(st, info);
    return true;
}

bool DescribePath(const std::string& path, Info& info, bool followLinks) {
    struct stat st {};
    if ((followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0) {
        info = Info{};
        return false;
    }
    Fill(st, info);
    return true;
}

bool SetMode(Handle file, unsigned mode) {
    return ::fchmod(Fd(file), static_cast<mode_t>(mode)) == 0;
}

bool SetModified(Handle file, std::int64_t modifiedNs) {
    const timespec times[2] = {{0, UTIME_OMIT},
                               {static_cast<time_t>(modifiedNs / 1'000'000'000),
                                static_cast<long>(modifiedNs % 1'000'000'000)}};
    return ::futimens(Fd(file), times) == 0;
}

bool MakeWritable(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return false;
    }
    return ::chmod(path.c_str(), (st.st_mode & 07777) | S_IRUSR | S_IWUSR) == 0;
}

bool CanWrite(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

bool Replace(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool Link(const std::string& from, const std::string& to) {
    return ::link(from.c_str(), to.c_str()) == 0;
}

bool Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool CreateFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool FlushFolder(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems cannot flush a folder; the renames are then as durable as they get.
    if (result != 0 && error != EINVAL && error != ENOTSUP) {
        errno = error;
        return false;
    }
    return true;
}

bool ListFolder(const std::string& path, std::vector<Entry>& entries) {
    entries.clear();
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return false;
    errno = 0;
    while (const dirent* item = ::readdir(dir)) {
        const std::string name = item->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st {};
        entries.push_back(
            {name, ::fstatat(::dirfd(dir), item->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0
                       ? KindOf(st.st_mode)
                       : Kind::Other});
    }
    const int error = errno;
    ::closedir(dir);
    errno = error;
    return error == 0;
}

LockResult TryLock(Handle file) {
    for (;;) {
        if (::flock(Fd(file), LOCK_EX | LOCK_NB) == 0)
            return LockResult::Locked;
        if (errno != EINTR)
            return errno == EWOULDBLOCK ? LockResult::Busy : LockResult::Unsupported;
    }
}

std::optional<std::uintmax_t> FreeSpace(const std::string& path) {
    struct statvfs st {};
    if (::statvfs(path.c_str(), &st) != 0)
        return std::nullopt;
    return static_cast<std::uintmax_t>(st.f_bavail) * st.f_frsize;
}

std::string CurrentDirectory() {
    std::error_code ec;
    return stdfs::current_path(ec).string();
}

bool SetCurrentDirectory(const std::string& path) {
    return ::chdir(path.c_str()) == 0;
}

std::string ProgramDirectory(const char* argv0) {
    std::error_code ec;
    stdfs::path self = stdfs::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = stdfs::absolute(argv0, ec);
    return self.parent_path().string();
}

long ProcessId() {
    return static_cast<long>(::getpid());
}

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

bool SetEnvironment(const char* name, const std::optional<std::string>& value) {
    return (value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name)) == 0;
}

std::vector<std::string> Arguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

void PrepareStandardStreams() {}

stdfs::path ToPath(const std::string& utf8) {
    return stdfs::path(utf8);
}

std::string FromPath(const stdfs::path& path) {
    return path.string();
}

std::string ErrorText(int error) {
    return std::strerror(error);
}

ProcessTree::~ProcessTree() = default;

void ProcessTree::Adopt(std::int64_t processId) {
    process_ = processId;
}

void ProcessTree::Kill() {
    if (process_ > 0)
        ::kill(-static_cast<pid_t>(process_), SIGKILL);
}

const unsigned long kStartSuspended = 0;

void StartOwnGroup() {
    ::setpgid(0, 0);
}

} // namespace psn::platform
