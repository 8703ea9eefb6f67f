// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fs.h"

#include "core/game_file.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace psn::fs {
namespace stdfs = std::filesystem;

bool Exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && stdfs::exists(stdfs::path(path), ec);
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return stdfs::is_directory(stdfs::path(path), ec);
}

std::optional<std::uintmax_t> FileSize(const std::string& path) {
    std::error_code ec;
    const auto size = stdfs::file_size(stdfs::path(path), ec);
    if (ec)
        return std::nullopt;
    return size;
}

bool SetNormalAttributes(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    std::error_code ec;
    stdfs::permissions(path, stdfs::perms::owner_read | stdfs::perms::owner_write,
                       stdfs::perm_options::add, ec);
    return !ec;
}

namespace {

std::string KindOfNonRegular(mode_t mode) {
    if (S_ISDIR(mode))
        return "is a folder, not a file";
    if (S_ISFIFO(mode))
        return "is a named pipe (FIFO), not a regular file";
    if (S_ISSOCK(mode))
        return "is a socket, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "is a device, not a regular file";
    return "is not a regular file";
}

// The regular file a link leads to, so that a user's link (dotfiles kept elsewhere) is written
// through and stays a link. Empty, with `why` said, when it leads to anything else or nowhere.
std::string RegularLinkTarget(const std::string& link, std::string& why) {
    std::error_code ec;
    const stdfs::path text = stdfs::read_symlink(link, ec);
    const stdfs::path real = stdfs::canonical(link, ec);
    if (ec) {
        why = ec.value() == ELOOP ? "is a link that leads round in a loop"
                                  : "is a link to " + text.string() + ", which does not exist";
        return {};
    }
    struct stat info {};
    if (::stat(real.c_str(), &info) != 0) {
        why =
            "is a link to " + real.string() + ", which cannot be reached: " + std::strerror(errno);
        return {};
    }
    if (!S_ISREG(info.st_mode)) {
        why = "is a link to " + real.string() + ", which " + KindOfNonRegular(info.st_mode);
        return {};
    }
    return real.string();
}

} // namespace

int OpenRegular(const std::string& path, int flags, std::string& reason) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        reason = error == ELOOP ? "is a link that leads round in a loop" : std::strerror(error);
        errno = error;
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = KindOfNonRegular(info.st_mode);
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status == -1 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) == -1) {
        reason = std::strerror(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

bool IsLinkLoop(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return false;
    return ::stat(path.c_str(), &info) != 0 && errno == ELOOP;
}

bool CreateFolder(const std::string& path) {
    std::error_code ec;
    return stdfs::create_directory(stdfs::path(path), ec) && !ec;
}

bool DeleteFile(const std::string& path) {
    std::error_code ec;
    return stdfs::remove(path, ec) && !ec;
}

std::optional<std::uintmax_t> FreeSpace(const std::string& path) {
    std::error_code ec;
    stdfs::path p = stdfs::absolute(stdfs::path(path.empty() ? "." : path), ec);
    while (!p.empty() && !stdfs::exists(p, ec) && p.has_parent_path() && p != p.parent_path())
        p = p.parent_path();
    const auto info = stdfs::space(p, ec);
    if (ec)
        return std::nullopt;
    return info.available;
}

std::string CurrentDirectory() {
    std::error_code ec;
    return stdfs::current_path(ec).string();
}

bool SetCurrentDirectory(const std::string& path) {
    std::error_code ec;
    stdfs::current_path(path, ec);
    return !ec;
}

std::string ProgramDirectory(const char* argv0) {
    std::error_code ec;
    stdfs::path self = stdfs::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = stdfs::absolute(argv0, ec);
    return self.parent_path().string();
}

std::string Native(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', kSeparator);
    return result;
}

std::string Join(std::string_view dir, std::string_view relative) {
    std::string result = Native(dir);
    std::string rel = Native(relative);
    if (!result.empty() && result.back() != kSeparator && !rel.empty() && rel.front() != kSeparator)
        result += kSeparator;
    if (!result.empty() && result.back() == kSeparator && !rel.empty() && rel.front() == kSeparator)
        rel.erase(0, 1);
    return result + rel;
}

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

} // namespace

std::string ResolveCase(const std::string& path) {
    if (path.empty() || Exists(path))
        return path;
    const std::string native = Native(path);
    std::string resolved;
    std::size_t pos = 0;
    if (!native.empty() && native.front() == kSeparator) {
        resolved = "/";
        pos = 1;
    }
    bool matching = true;
    while (pos <= native.size()) {
        std::size_t next = native.find(kSeparator, pos);
        if (next == std::string::npos)
            next = native.size();
        const std::string component = native.substr(pos, next - pos);
        std::string chosen = component;
        const std::string folder = resolved.empty() ? "." : resolved;
        if (matching && !component.empty() && component != "." && component != ".." &&
            !Exists(Join(folder, component))) {
            bool found = false;
            std::error_code ec;
            for (stdfs::directory_iterator it(folder, ec), end; !ec && it != end;
                 it.increment(ec)) {
                const std::string name = it->path().filename().string();
                if (EqualsIgnoringCase(name, component)) {
                    chosen = name;
                    found = true;
                    break;
                }
            }
            matching = found;
        }
        if (!resolved.empty() && resolved.back() != kSeparator)
            resolved += kSeparator;
        resolved += chosen;
        if (next == native.size())
            break;
        pos = next + 1;
        if (pos == native.size()) {
            resolved += kSeparator; // keep a trailing separator
            break;
        }
    }
    return resolved;
}

std::string FileNamePart(std::string_view path) {
    const auto cut = path.find_last_of("\\/:");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

bool EnsureBackup(const std::string& path) {
    const std::string backup = path + ".bak";
    if (Exists(backup) || !Exists(path))
        return true;
    // Copying a FIFO or a device would wait or never end.
    std::string reason;
    const int fd = OpenRegular(path, O_RDONLY, reason);
    if (fd < 0)
        return false;
    struct stat info {};
    std::vector<std::uint8_t> bytes;
    bool read = ::fstat(fd, &info) == 0;
    if (read) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (read && done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            read = n > 0;
            done += read ? static_cast<std::size_t>(n) : 0;
        }
    }
    ::close(fd);
    return read && WriteFileDurably(backup, bytes, info.st_mode & 07777).Ok();
}

namespace {

// One attempt at a durable write; `temp` is set once the file beside the target exists.
class DurableWrite {
public:
    DurableWrite(const std::string& path, TransferFaults* faults)
        : path_(path), target_(path), faults_(faults) {}
    ~DurableWrite() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!temp_.empty())
            ::unlink(temp_.c_str());
    }

    FileResult Run(std::span<const std::uint8_t> bytes, mode_t mode) {
        struct stat info {};
        if (::lstat(path_.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
            std::string why;
            target_ = RegularLinkTarget(path_, why);
            if (target_.empty())
                return Refuse(why);
        }
        if (::lstat(target_.c_str(), &info) == 0) {
            if (!S_ISREG(info.st_mode))
                return Refuse(KindOfNonRegular(info.st_mode));
            mode = info.st_mode & 07777;
        } else if (errno != ENOENT) {
            return NotOpened(errno);
        }
        if (!Create(mode))
            return NotOpened(errno);
        // A file that came without the owner's write access keeps it too, so fchmod after the
        // umask-limited create gives an existing file's mode back exactly.
        if (S_ISREG(info.st_mode) && (Injected(EIO) || ::fchmod(fd_, mode) != 0))
            return Failed(errno);
        const std::uint8_t* data = bytes.data();
        std::size_t left = bytes.size();
        if (Injected(ENOSPC))
            return Failed(errno);
        while (left > 0) {
            const ssize_t n = ::write(fd_, data, left);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return Failed(n < 0 ? errno : ENOSPC);
            data += n;
            left -= static_cast<std::size_t>(n);
        }
        if (Injected(EIO) || ::fsync(fd_) != 0)
            return Failed(errno);
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0 || Injected(EIO))
            return Failed(errno);
        if (Injected(EIO) || ::rename(temp_.c_str(), target_.c_str()) != 0)
            return Failed(errno);
        temp_.clear();
        return FlushFolder();
    }

private:
    bool Injected(int error) {
        if (!faults_ || !faults_->Tick())
            return false;
        errno = error;
        return true;
    }

    // A name of its own beside the target, so two writers never share a scratch file.
    bool Create(mode_t mode) {
        static std::atomic<unsigned> serial{0};
        if (Injected(EIO))
            return false;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string temp =
                target_ + ".psn-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
            fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd_ >= 0) {
                temp_ = temp;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    FileResult FlushFolder() {
        std::string folder = stdfs::path(target_).parent_path().string();
        if (folder.empty())
            folder = ".";
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return Failed(errno);
        const int result = Injected(EIO) ? -1 : ::fsync(fd);
        const int error = errno;
        ::close(fd);
        // Some file systems cannot flush a folder; the rename is then as durable as it gets.
        if (result != 0 && error != EINVAL && error != ENOTSUP)
            return Failed(error);
        return {};
    }

    FileResult Refuse(const std::string& why) {
        return FileResult::Failure(FileResult::Status::Refused, path_, why,
                                   "Cannot write \"" + path_ + "\": it " + why +
                                       ", so it was left alone");
    }
    FileResult NotOpened(int error) { return Fail(FileResult::Status::NotOpened, error); }
    FileResult Failed(int error) { return Fail(FileResult::Status::Failed, error); }
    FileResult Fail(FileResult::Status status, int error) {
        const std::string reason = SystemReason(error);
        return FileResult::Failure(status, path_, reason,
                                   "Cannot write \"" + path_ + "\": " + reason);
    }

    std::string path_;
    std::string target_; // the file written: the path, or the regular file a link leads to
    TransferFaults* faults_;
    std::string temp_;
    int fd_ = -1;
};

} // namespace

FileResult WriteFileDurably(const std::string& path, std::span<const std::uint8_t> bytes,
                            unsigned mode, TransferFaults* faults) {
    DurableWrite write(path, faults);
    return write.Run(bytes, static_cast<mode_t>(mode));
}

} // namespace psn::fs
